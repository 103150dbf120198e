// kurzory's words: any words give a parse or one usage line, never a crash; what is parsed is
// exactly what the words said; number lists and points read back as the numbers written.
#include <algorithm>
#include <string>
#include <vector>

#include "animace/number_text.h"
#include "fuzz_input.h"
#include "kurzory/arguments.h"

namespace {

const kurzory::OptionSpec kOptions[] = {{"-o", true}, {"--sequence", true}, {"--times", true}, {"--force", false}};

bool IsDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',') parts.emplace_back();
        else parts.back().push_back(c);
    }
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::vector<std::string> words(input.Below(8));
    // Mostly the command's own options, so the parser's branches are reached.
    static const char* const kKnown[] = {"-o", "--sequence", "--times", "--force", "--", "--help", "-o=x", "--bad"};
    for (std::string& word : words) word = input.Flag() ? kKnown[input.Below(8)] : input.Text(12);
    const std::vector<std::uint8_t> rest = input.Rest();
    const std::string text(rest.begin(), rest.end());

    std::string error;
    const std::optional<kurzory::ParsedArguments> parsed = kurzory::ParseArguments(words, kOptions, error);
    if (!parsed) {
        FUZZ_CHECK(!error.empty());
    } else {
        for (const std::string& path : parsed->paths) FUZZ_CHECK(std::find(words.begin(), words.end(), path) != words.end());
        for (const auto& [name, value] : parsed->values) FUZZ_CHECK(name == "-o" || name == "--sequence" || name == "--times");
        for (const std::string& flag : parsed->flags) FUZZ_CHECK(flag == "--force");
        FUZZ_CHECK(parsed->paths.size() + parsed->flags.size() + parsed->values.size() <= words.size());
    }

    // A list is taken exactly when every part is a whole number from 1 up, and reads as written.
    const std::vector<std::string> parts = SplitAtCommas(text);
    if (const auto numbers = kurzory::NumberList(text)) {
        FUZZ_CHECK(numbers->size() == parts.size());
        for (std::size_t i = 0; i < parts.size(); ++i) {
            FUZZ_CHECK(IsDigits(parts[i]) && (*numbers)[i] >= 1);
            FUZZ_CHECK(std::stoll(parts[i]) == (*numbers)[i]);
        }
    } else {
        bool allNumbers = true;
        for (const std::string& part : parts) allNumbers = allNumbers && IsDigits(part) && part.size() < 19 && std::stoll(part) >= 1;
        FUZZ_CHECK(!allNumbers);
    }
    if (const auto point = kurzory::PointText(text)) {
        FUZZ_CHECK(parts.size() == 2 && IsDigits(parts[0]) && IsDigits(parts[1]));
        FUZZ_CHECK(point->first == std::stoll(parts[0]) && point->second == std::stoll(parts[1]));
        FUZZ_CHECK(point->first <= 65535 && point->second <= 65535);
    }
    // A time is refused or lies between 0.05 and 1638.35 seconds.
    if (const std::optional<int> twentieths = animace::TwentiethsFromSecondsText(text))
        FUZZ_CHECK(*twentieths >= 1 && *twentieths <= 32767);
    return 0;
}
