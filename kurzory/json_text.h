#pragma once
// JSON string literals for `kurzory info --json`: quoted and escaped, and always valid UTF-8
// (a byte that is not part of a UTF-8 sequence, as in some file names, becomes U+FFFD).
#include <string>
#include <string_view>

namespace kurzory {

std::string JsonQuoted(std::string_view text);

}  // namespace kurzory
