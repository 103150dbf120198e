#pragma once
// The words after a subcommand: options (with or without a value) and the paths between them.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kurzory/subcommands.h"

namespace kurzory {

struct OptionSpec {
    std::string name;  // "--force", "-o"
    bool takesValue = false;
    bool repeatable = false;  // a value option that may be given more than once
};

struct ParsedArguments {
    std::map<std::string, std::string> values;  // options given with a value, by name (the first one)
    std::map<std::string, std::vector<std::string>> allValues;  // every value, in the order given
    std::vector<std::string> flags;             // options given without one
    std::vector<std::string> paths;
    bool help = false;

    bool Has(const std::string& flag) const;
    const std::string* Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;
};

// Parses "--name VALUE", "--name=VALUE" and flags; "--" ends the options; "--help" and "-h" ask
// for help. On a usage error returns nothing and sets `error` to a Czech line.
std::optional<ParsedArguments> ParseArguments(std::span<const std::string> words, std::span<const OptionSpec> options,
                                              std::string& error);

// Parses a subcommand's words; nothing when the command is already done: its help printed
// (`status` 0) or a usage error reported (`status` 2).
std::optional<ParsedArguments> ParseCommand(Words words, std::span<const OptionSpec> options, const std::string& help,
                                            const Console& console, int& status);

// "1,2,3": whole numbers from 1 up, separated by commas; nothing for any other text.
std::optional<std::vector<long long>> NumberList(const std::string& text);

// "X,Y": two whole numbers from 0 up.
std::optional<std::pair<int, int>> PointText(const std::string& text);

// "X,Y", or "S:X,Y" for the picture of S pixels (1 to 256).
struct SizedPoint {
    std::optional<int> size;
    std::pair<int, int> point;
};
std::optional<SizedPoint> SizedPointText(const std::string& text);

}  // namespace kurzory
