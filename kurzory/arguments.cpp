#include "kurzory/arguments.h"

#include <algorithm>
#include <charconv>

#include "kurzory/messages.h"
#include "kurzory/text_lines.h"

namespace kurzory {
namespace {

std::optional<long long> WholeNumber(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

bool ParsedArguments::Has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const std::string* ParsedArguments::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? nullptr : &found->second;
}

std::vector<std::string> ParsedArguments::Values(const std::string& name) const {
    const auto found = allValues.find(name);
    return found == allValues.end() ? std::vector<std::string>() : found->second;
}

std::optional<ParsedArguments> ParseArguments(std::span<const std::string> words, std::span<const OptionSpec> options,
                                              std::string& error) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.paths.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto spec = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
        if (spec == options.end()) {
            error = UnknownOptionText(name);
            return std::nullopt;
        }
        if (!spec->takesValue) {
            if (equals != std::string::npos) {
                error = UnknownOptionText(word);
                return std::nullopt;
            }
            parsed.flags.push_back(name);
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            error = MissingValueText(name);
            return std::nullopt;
        }
        if (parsed.values.contains(name) && !spec->repeatable) {
            error = RepeatedOptionText(name);
            return std::nullopt;
        }
        parsed.values.emplace(name, value);
        parsed.allValues[name].push_back(value);
    }
    return parsed;
}

std::optional<ParsedArguments> ParseCommand(Words words, std::span<const OptionSpec> options, const std::string& help,
                                            const Console& console, int& status) {
    std::string usage;
    std::optional<ParsedArguments> parsed = ParseArguments(words, options, usage);
    if (!parsed) {
        status = console.Fail(usage);
        return std::nullopt;
    }
    if (parsed->help) {
        console.out << help;
        status = 0;
        return std::nullopt;
    }
    return parsed;
}

std::optional<std::vector<long long>> NumberList(const std::string& text) {
    std::vector<long long> numbers;
    for (std::string_view part : SplitAtCommas(text)) {
        const std::optional<long long> number = WholeNumber(part);
        if (!number || *number < 1) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

std::optional<std::pair<int, int>> PointText(const std::string& text) {
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    if (parts.size() != 2) return std::nullopt;
    const std::optional<long long> x = WholeNumber(parts[0]);
    const std::optional<long long> y = WholeNumber(parts[1]);
    if (!x || !y || *x > 65535 || *y > 65535) return std::nullopt;
    return std::pair<int, int>(static_cast<int>(*x), static_cast<int>(*y));
}

std::optional<SizedPoint> SizedPointText(const std::string& text) {
    const std::size_t colon = text.find(':');
    const std::optional<std::pair<int, int>> point = PointText(colon == std::string::npos ? text : text.substr(colon + 1));
    if (!point) return std::nullopt;
    if (colon == std::string::npos) return SizedPoint{std::nullopt, *point};
    const std::optional<long long> size = WholeNumber(std::string_view(text).substr(0, colon));
    if (!size || *size < 1 || *size > 256) return std::nullopt;
    return SizedPoint{static_cast<int>(*size), *point};
}

}  // namespace kurzory
