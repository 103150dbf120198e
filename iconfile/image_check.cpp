#include "iconfile/image_check.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <functional>

#include "iconfile/little_endian.h"

namespace iconfile {
namespace {

// Reads exactly `into.size()` bytes at `offset`; false when they cannot be read.
using ReadAt = std::function<bool(std::uint64_t offset, std::span<std::uint8_t> into)>;

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Signature, the IHDR chunk's length and type, width, height, bit depth and colour type.
constexpr std::size_t kPngHeadLength = 26;
constexpr std::uint32_t kUncompressed = 0;
// 32-bit pixels with three colour masks after the header; the masks are read as the usual order.
constexpr std::uint32_t kBitFields = 3;
constexpr std::size_t kBitFieldMasksLength = 12;
// More palette entries than 256 are never read, however many the header announces.
constexpr std::uint64_t kMostPaletteEntries = 256;

std::uint32_t ReadU32BigEndian(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

int PngChannels(std::uint8_t colourType) {
    switch (colourType) {
        case 0: return 1;  // grey
        case 2: return 3;  // red, green, blue
        case 3: return 1;  // palette index
        case 4: return 2;  // grey and alpha
        case 6: return 4;  // red, green, blue and alpha
        default: return 0;
    }
}

void CheckPng(std::span<const std::uint8_t> head, CheckedImage& image) {
    image.encoding = ImageEncoding::Png;
    if (head.size() < kPngHeadLength || std::memcmp(head.data() + 12, "IHDR", 4) != 0) {
        image.fault = ImageFault::PngHeaderCut;
        return;
    }
    image.headerWidth = ReadU32BigEndian(head, 16);
    image.headerHeight = ReadU32BigEndian(head, 20);
    image.bitCount = head[24] * PngChannels(head[25]);
    if (image.headerWidth != image.width) image.fault = ImageFault::WidthDiffers;
    else if (image.headerHeight != image.height) image.fault = ImageFault::HeightDiffers;
}

bool AllowedBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

void CheckBitmap(std::span<const std::uint8_t> head, CheckedImage& image) {
    image.encoding = ImageEncoding::Bitmap;
    if (head.size() < ImageBitmapHeader::kSize) {
        image.neededLength = ImageBitmapHeader::kSize;
        image.fault = ImageFault::DataBeyondImage;
        return;
    }
    const ImageBitmapHeader header = ImageBitmapHeader::Decode(head.first<ImageBitmapHeader::kSize>());
    image.headerWidth = header.width;
    image.headerHeight = header.height;
    image.planes = header.planes;
    image.bitCount = header.bitCount;
    image.compression = header.compression;
    const bool bitFields = header.compression == kBitFields && header.bitCount == 32;
    if (image.headerWidth != image.width) image.fault = ImageFault::WidthDiffers;
    else if (image.headerHeight != 2 * std::int64_t{image.height}) image.fault = ImageFault::HeightDiffers;
    else if (header.planes != 1) image.fault = ImageFault::Planes;
    else if (!AllowedBitCount(header.bitCount)) image.fault = ImageFault::BitCount;
    else if (header.compression != kUncompressed && !bitFields) image.fault = ImageFault::Compression;
    if (!image.sound()) return;

    std::uint64_t paletteEntries = std::min<std::uint64_t>(header.colorsUsed, kMostPaletteEntries);
    if (paletteEntries == 0 && header.bitCount <= 8) paletteEntries = std::uint64_t{1} << header.bitCount;
    const auto width = static_cast<std::uint64_t>(image.width);
    const auto height = static_cast<std::uint64_t>(image.height);
    image.neededLength = ImageBitmapHeader::kSize + (bitFields ? kBitFieldMasksLength : 0) +
                         PaletteEntry::kSize * paletteEntries + height * RowBytes(width * header.bitCount) +
                         height * RowBytes(width);
    if (image.neededLength > image.length()) image.fault = ImageFault::DataBeyondImage;
}

CheckedImage CheckImage(std::size_t index, const IconDirEntry& entry, std::uint64_t fileLength, const ReadAt& read) {
    CheckedImage image;
    image.index = index;
    image.entry = entry;
    image.width = SizeFromDirectoryByte(entry.width);
    image.height = SizeFromDirectoryByte(entry.height);
    if (image.offset() > fileLength || image.length() > fileLength - image.offset()) {
        image.fault = ImageFault::BeyondFile;
        return image;
    }
    std::array<std::uint8_t, ImageBitmapHeader::kSize> buffer{};
    const std::span<std::uint8_t> head(buffer.data(), std::min<std::uint64_t>(image.length(), buffer.size()));
    if (!read(image.offset(), head)) {
        image.fault = ImageFault::ReadFailed;
        return image;
    }
    if (head.size() >= kPngSignature.size() && std::equal(kPngSignature.begin(), kPngSignature.end(), head.begin()))
        CheckPng(head, image);
    else if (head.size() >= 4 && ReadU32(head, 0) == ImageBitmapHeader::kSize)
        CheckBitmap(head, image);
    else
        image.fault = ImageFault::UnknownHeader;
    return image;
}

CheckedIconFile CheckImages(IconDirectory directory, const ReadAt& read) {
    CheckedIconFile checked;
    checked.directory = std::move(directory);
    const IconDirectory& found = checked.directory;
    if (!found.opened()) return checked;
    if (found.status != DirectoryRead::Read) {
        checked.fault = IconFileFault::DirectoryCut;
        return checked;
    }
    if (found.entries.empty()) {
        checked.fault = IconFileFault::NoImages;
        return checked;
    }
    checked.fault = IconFileFault::None;
    for (std::size_t i = 0; i < found.entries.size(); ++i) {
        checked.images.push_back(CheckImage(i, found.entries[i], found.fileLength, read));
        if (checked.images.back().sound() || !checked.sound()) continue;
        checked.fault = checked.images.back().fault == ImageFault::ReadFailed ? IconFileFault::Unreadable
                                                                              : IconFileFault::DamagedImage;
        checked.faultyImage = i;
    }
    return checked;
}

std::string Number(std::uint64_t value) { return std::to_string(value); }

std::string ImageFaultText(const CheckedImage& image, std::uint64_t fileLength) {
    const std::string which = "obrázek " + Number(image.index + 1);
    const std::string png = image.encoding == ImageEncoding::Png ? " (PNG)" : "";
    switch (image.fault) {
        case ImageFault::None: return {};
        case ImageFault::BeyondFile:
            return which + " sahá za konec souboru: má " + Number(image.length()) + " bajtů od bajtu " +
                   Number(image.offset()) + ", soubor má jen " + Number(fileLength) + " bajtů.";
        case ImageFault::UnknownHeader:
            return which + " nezačíná 40bajtovou hlavičkou bitmapy ani podpisem PNG.";
        case ImageFault::WidthDiffers:
            return which + png + " je podle své hlavičky široký " + std::to_string(image.headerWidth) +
                   " bodů, adresář udává " + std::to_string(image.width) + ".";
        case ImageFault::HeightDiffers:
            if (image.encoding == ImageEncoding::Png)
                return which + png + " je podle své hlavičky vysoký " + std::to_string(image.headerHeight) +
                       " bodů, adresář udává " + std::to_string(image.height) + ".";
            return which + " má v hlavičce výšku " + std::to_string(image.headerHeight) +
                   ", má mít dvojnásobek výšky z adresáře, " + std::to_string(2 * image.height) + ".";
        case ImageFault::Planes:
            return which + " má v hlavičce " + std::to_string(image.planes) + " barevných rovin místo 1.";
        case ImageFault::BitCount:
            return which + " má " + std::to_string(image.bitCount) + " bitů na bod; čte se jen 1, 4, 8, 24 nebo 32.";
        case ImageFault::Compression:
            return which + " je komprimovaný (způsob " + Number(image.compression) + "); čte se jen nekomprimovaný.";
        case ImageFault::DataBeyondImage:
            return which + " potřebuje na hlavičku, paletu a masky " + Number(image.neededLength) +
                   " bajtů, adresář mu dává jen " + Number(image.length()) + ".";
        case ImageFault::PngHeaderCut: return which + png + " nemá celou hlavičku IHDR.";
        case ImageFault::ReadFailed: return which + " nejde přečíst.";
    }
    return {};
}

}  // namespace

CheckedIconFile CheckIconFile(const std::filesystem::path& path) {
    IconDirectory directory = ReadIconDirectory(path);
    std::ifstream file;
    if (directory.status == DirectoryRead::Read) file.open(path, std::ios::binary);
    return CheckImages(std::move(directory), [&file](std::uint64_t offset, std::span<std::uint8_t> into) {
        file.clear();
        file.seekg(static_cast<std::streamoff>(offset));
        file.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size()));
        return file && static_cast<std::size_t>(file.gcount()) == into.size();
    });
}

CheckedIconFile CheckIconBytes(std::span<const std::uint8_t> bytes) {
    return CheckImages(ReadIconDirectory(bytes), [bytes](std::uint64_t offset, std::span<std::uint8_t> into) {
        if (offset > bytes.size() || into.size() > bytes.size() - offset) return false;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
        return true;
    });
}

std::string FaultText(const CheckedIconFile& checked) {
    switch (checked.fault) {
        case IconFileFault::None: return {};
        case IconFileFault::Unreadable: return "soubor nejde přečíst.";
        case IconFileFault::DirectoryCut:
            return "soubor končí uvnitř hlavičky nebo adresáře obrázků, je kratší, než udává jeho hlavička.";
        case IconFileFault::NoImages: return "soubor neobsahuje žádný obrázek.";
        case IconFileFault::DamagedImage:
            return ImageFaultText(checked.images[checked.faultyImage], checked.directory.fileLength);
    }
    return {};
}

}  // namespace iconfile
