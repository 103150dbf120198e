#include "pelcor/transparency_mask.h"

#include "iconfile/icon_records.h"

namespace pelcor {
namespace {

constexpr std::size_t kPaletteEntries = 256;
constexpr std::size_t kBitCount = 8;

}  // namespace

int MaskRowBits(int pictureSize) {
    return static_cast<int>(8 * iconfile::RowBytes(static_cast<std::size_t>(pictureSize)));
}

std::size_t IconImageDataLength(int pictureSize) {
    const auto size = static_cast<std::size_t>(pictureSize);
    return iconfile::ImageBlockLength(size, size, kBitCount, kPaletteEntries);
}

std::string MaskCharacters(const std::vector<bool>& transparent, int pictureSize) {
    const auto size = static_cast<std::size_t>(pictureSize);
    const auto rowBits = static_cast<std::size_t>(MaskRowBits(pictureSize));
    std::string characters(rowBits * size, '0');
    for (std::size_t row = 0; row < size; ++row)
        for (std::size_t column = 0; column < size; ++column) {
            const std::size_t flag = row * size + column;
            if (flag < transparent.size() && transparent[flag])
                characters[rowBits * (size - 1 - row) + column] = '1';
        }
    return characters;
}

std::vector<std::uint8_t> PackMask(std::string_view characters) {
    std::vector<std::uint8_t> bytes(characters.size() / 8, 0);
    for (std::size_t k = 0; k < bytes.size(); ++k)
        for (std::size_t t = 0; t < 8; ++t)
            if (characters[8 * k + t] == '1') bytes[k] = static_cast<std::uint8_t>(bytes[k] | (0x80u >> t));
    return bytes;
}

}  // namespace pelcor
