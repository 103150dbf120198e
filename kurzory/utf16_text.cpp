#include "kurzory/utf16_text.h"

namespace kurzory {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code points of UTF-8 text; nothing when a byte is not part of a well-formed sequence.
bool DecodeUtf8(std::span<const std::uint8_t> bytes, std::u32string& out) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t lead = bytes[i];
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return false;
            c = (c << 6) | (bytes[i + k] & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        out += c;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string Utf16AsUtf8(std::span<const std::uint8_t> bytes, bool littleEndian) {
    std::string text;
    const auto unit = [&](std::size_t i) -> char32_t {
        return littleEndian ? bytes[i] | (bytes[i + 1] << 8) : (bytes[i] << 8) | bytes[i + 1];
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacement;
        }
        AppendUtf8(text, c);
    }
    return text;
}

}  // namespace

std::vector<std::uint8_t> Utf16LittleEndianWithMark(const std::string& text) {
    std::u32string points;
    if (!DecodeUtf8(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), points)) {
        points.clear();
        for (unsigned char c : text) points += c < 0x80 ? char32_t(c) : kReplacement;
    }
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    const auto put = [&](char32_t unit) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (char32_t c : points) {
        if (c < 0x10000) {
            put(c);
        } else {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

std::string TextFileAsUtf8(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return Utf16AsUtf8(bytes.subspan(2), true);
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return Utf16AsUtf8(bytes.subspan(2), false);
    if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0) return Utf16AsUtf8(bytes, true);
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) bytes = bytes.subspan(3);
    std::u32string points;
    if (DecodeUtf8(bytes, points)) return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string text;
    for (std::uint8_t byte : bytes) AppendUtf8(text, byte < 0x80 || byte >= 0xA0 ? char32_t(byte) : kReplacement);
    return text;
}

}  // namespace kurzory
