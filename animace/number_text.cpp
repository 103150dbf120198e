#include "animace/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace animace {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Also for the most negative value, whose negation does not fit its own type.
unsigned long long Magnitude(long long value) {
    return value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    std::string number;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-') number += '-';
        ++at;
    }
    bool digits = false;
    while (at < text.size() && IsDigit(text[at])) number += text[at++], digits = true;
    if (at < text.size() && text[at] == '.') {
        number += text[at++];
        while (at < text.size() && IsDigit(text[at])) number += text[at++], digits = true;
    }
    if (!digits) return 0;
    // One correctly rounded conversion: digit-by-digit sums drift (".625" × 20 would exceed 12.5
    // and round up instead of to the even neighbour).
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large when the whole part has a non-zero digit, else too small to be told from 0.
        const std::string whole = number.substr(0, number.find('.'));
        if (whole.find_first_of("123456789") == std::string::npos) return 0;
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return error == std::errc() ? value : 0;
}

std::string ShortFormOfTwentieths(long long twentieths) {
    const unsigned long long magnitude = Magnitude(twentieths);
    const unsigned long long whole = magnitude / 20;
    const unsigned long long hundredths = (magnitude % 20) * 5;
    std::string text = twentieths < 0 ? "-" : " ";
    if (whole != 0 || hundredths == 0) text += std::to_string(whole);
    if (hundredths != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
    }
    return text;
}

std::optional<int> TwentiethsFromSecondsText(std::string_view text) {
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (IsDigit(c)) digits = true;
        else if (c == '.' && !point) point = true;
        else return std::nullopt;
    }
    if (!digits) return std::nullopt;
    const double seconds = LeadingNumber(text);
    if (!(seconds >= 0.05 && seconds <= 1638.35)) return std::nullopt;
    return static_cast<int>(std::nearbyint(seconds * 20));
}

}  // namespace animace
