#include "animace/number_text.h"

#include <cctype>

namespace animace {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    double value = 0;
    while (at < text.size() && IsDigit(text[at])) value = value * 10 + (text[at++] - '0');
    if (at < text.size() && text[at] == '.') {
        ++at;
        double scale = 0.1;
        while (at < text.size() && IsDigit(text[at])) {
            value += (text[at++] - '0') * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

std::string ShortNumberForm(long long value) {
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value);
}

std::string ShortFormOfTwentieths(long long twentieths) {
    const long long magnitude = twentieths < 0 ? -twentieths : twentieths;
    const long long whole = magnitude / 20;
    const long long hundredths = (magnitude % 20) * 5;
    std::string text = twentieths < 0 ? "-" : " ";
    if (whole != 0 || hundredths == 0) text += std::to_string(whole);
    if (hundredths != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
    }
    return text;
}

}  // namespace animace
