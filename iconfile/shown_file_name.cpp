#include "iconfile/shown_file_name.h"

namespace iconfile {
namespace {

void AppendEscaped(std::string& shown, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (byte) {
        case '\n': shown += "\\n"; return;
        case '\t': shown += "\\t"; return;
        case '\r': shown += "\\r"; return;
        default:
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
    }
}

}  // namespace

std::string ShownFileName(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(shown, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            AppendEscaped(shown, byte);
            AppendEscaped(shown, next);
            ++i;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace iconfile
