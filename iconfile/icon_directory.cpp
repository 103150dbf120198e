#include "iconfile/icon_directory.h"

#include <algorithm>
#include <fstream>
#include <span>
#include <system_error>

#include "iconfile/regular_file.h"

namespace iconfile {
namespace {

// Appends up to `count` more bytes of the file; false on a read error. Grown block by block, so
// a small file never costs the largest buffer it might have needed.
bool ReadMore(std::ifstream& file, std::size_t count, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kBlock = 64 * 1024;
    while (count > 0) {
        const std::size_t start = bytes.size();
        const std::size_t step = std::min(count, kBlock);
        bytes.resize(start + step);
        file.read(reinterpret_cast<char*>(bytes.data() + start), static_cast<std::streamsize>(step));
        const auto got = static_cast<std::size_t>(file.gcount());
        bytes.resize(start + got);
        if (file.bad()) return false;
        if (got < step) return true;
        count -= step;
    }
    return true;
}

// Reads the header and then only the entries it announces; nothing past the directory.
bool ReadDirectoryBytes(std::ifstream& file, std::vector<std::uint8_t>& bytes) {
    if (!ReadMore(file, IconFileHeader::kSize, bytes)) return false;
    if (bytes.size() < IconFileHeader::kSize) return true;
    const std::size_t announced = bytes[offsets::kImageCountLow] | bytes[offsets::kImageCountLow + 1] << 8;
    return ReadMore(file, IconDirEntry::kSize * announced, bytes);
}

int ByteAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

// The directory as far as `bytes`, the start of the file, holds it.
void DecodeDirectory(std::span<const std::uint8_t> bytes, IconDirectory& directory) {
    directory.resourceTypeLow = ByteAt(bytes, offsets::kResourceTypeLow);
    directory.imageCountLow = ByteAt(bytes, offsets::kImageCountLow);
    directory.firstWidthByte = ByteAt(bytes, offsets::kWidth);
    directory.firstHeightByte = ByteAt(bytes, offsets::kHeight);
    directory.status = DirectoryRead::TooShort;
    if (bytes.size() < IconFileHeader::kSize) return;
    directory.header = IconFileHeader::Decode(bytes.first<IconFileHeader::kSize>());
    const std::size_t announced = directory.header->imageCount;
    const std::size_t present = (bytes.size() - IconFileHeader::kSize) / IconDirEntry::kSize;
    for (std::size_t i = 0; i < std::min(announced, present); ++i)
        directory.entries.push_back(IconDirEntry::Decode(
            bytes.subspan(IconDirEntry::kFirstEntryOffset + i * IconDirEntry::kSize).first<IconDirEntry::kSize>()));
    if (present >= announced) directory.status = DirectoryRead::Read;
}

// Opens a regular file and reads its directory, or with `limit` up to that many bytes of it.
IconDirectory ReadStart(const std::filesystem::path& path, std::optional<std::size_t> limit,
                        std::vector<std::uint8_t>& bytes) {
    IconDirectory directory;
    if (!IsRegularFile(path)) {
        directory.status = DirectoryRead::NotAFile;
        return directory;
    }
    std::ifstream file(path, std::ios::binary);
    std::error_code sizeError;
    directory.fileLength = std::filesystem::file_size(path, sizeError);
    if (!file || sizeError) return directory;
    if (!(limit ? ReadMore(file, *limit, bytes) : ReadDirectoryBytes(file, bytes))) return directory;
    DecodeDirectory(bytes, directory);
    return directory;
}

}  // namespace

IconDirectory ReadIconDirectory(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    return ReadStart(path, std::nullopt, bytes);
}

IconDirectory ReadIconDirectory(std::span<const std::uint8_t> bytes) {
    IconDirectory directory;
    directory.fileLength = bytes.size();
    DecodeDirectory(bytes, directory);
    return directory;
}

std::optional<std::vector<std::uint8_t>> ReadWholeIconFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    const IconDirectory directory = ReadStart(path, static_cast<std::size_t>(kLargestIconFile) + 1, bytes);
    if (directory.status != DirectoryRead::Read || bytes.size() > kLargestIconFile) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> DecoderFriendlyCopy(const std::filesystem::path& path) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeIconFile(path);
    if (!bytes) return std::nullopt;
    return DecoderFriendlyBytes(std::move(*bytes));
}

std::optional<std::vector<std::uint8_t>> DecoderFriendlyBytes(std::vector<std::uint8_t> bytes) {
    IconDirectory directory;
    DecodeDirectory(bytes, directory);
    if (directory.status != DirectoryRead::Read || bytes.size() > kLargestIconFile) return std::nullopt;
    if (directory.header->reserved != 0 || !directory.isIconOrCursor()) return std::nullopt;
    for (std::size_t i = 0; i < directory.entries.size(); ++i) {
        IconDirEntry entry = directory.entries[i];
        entry.planes = 1;
        entry.bitCount = 0;
        const auto encoded = entry.Encode();
        std::copy(encoded.begin(), encoded.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(IconDirEntry::kFirstEntryOffset + i * IconDirEntry::kSize));
    }
    return bytes;
}

}  // namespace iconfile
