#pragma once
// Numbers that the wizard keeps as text (list items, captions, timer tags, text boxes).
#include <string>
#include <string_view>

namespace animace {

// The text's leading decimal number: leading blanks skipped, an optional sign, digits with at
// most one "." as the decimal point; reading stops at the first character that cannot continue
// the number. A text without a number reads as 0.
double LeadingNumber(std::string_view text);

// The short number form of a whole number: one leading blank when not negative (" 3", "-3").
std::string ShortNumberForm(long long value);

// The short number form of a time in twentieths of a second, in seconds: 1 -> " .05",
// 30 -> " 1.5", 40 -> " 2". Built from the integer, never through floating-point formatting.
std::string ShortFormOfTwentieths(long long twentieths);

}  // namespace animace
