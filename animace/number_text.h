#pragma once
// Numbers as the wizard shows and reads them in captions and text boxes, and kurzory in its arguments.
#include <optional>
#include <string>
#include <string_view>

namespace animace {

// The text's leading decimal number: leading blanks skipped, an optional sign, digits with at
// most one "." as the decimal point; reading stops at the first character that cannot continue
// the number. A text without a number reads as 0.
double LeadingNumber(std::string_view text);

// The short number form of a time in twentieths of a second, in seconds: 1 -> " .05",
// 30 -> " 1.5", 40 -> " 2". Built from the integer, never through floating-point formatting.
std::string ShortFormOfTwentieths(long long twentieths);

// A display time given in seconds (digits with at most one "." and nothing else) in twentieths
// of a second, rounded half to even as the timing step rounds; nothing for another text or a
// time outside 0.05 to 1638.35 seconds.
std::optional<int> TwentiethsFromSecondsText(std::string_view text);

}  // namespace animace
