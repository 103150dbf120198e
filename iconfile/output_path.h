#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace iconfile {

// The input path without its last three characters, followed by `suffix` ("ico" or "cur").
// Characters are Unicode characters of the UTF-8 text, never bytes of one. Nothing when the path
// has fewer than three characters or a folder separator among its last three: replacing them
// would then name a file in another folder ("dir/ab" -> "dircur").
std::optional<std::string> OutputPathFor(std::string_view inputPath, std::string_view suffix);

}  // namespace iconfile
