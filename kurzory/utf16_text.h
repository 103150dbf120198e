#pragma once
// Text between UTF-8 and the UTF-16 files of Windows.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kurzory {

// UTF-8 as UTF-16 little-endian bytes behind a byte order mark; a byte that is no UTF-8 becomes U+FFFD.
std::vector<std::uint8_t> Utf16LittleEndianWithMark(const std::string& text);

// A text file's bytes as UTF-8: UTF-16 of either byte order (by its mark, or without one when the
// second byte is zero) converted, a UTF-8 mark dropped, and bytes that are no UTF-8 read as
// Windows' Western code page would show them (its letters beyond Latin-1 left as U+FFFD).
std::string TextFileAsUtf8(std::span<const std::uint8_t> bytes);

}  // namespace kurzory
