#pragma once
// The platform's folder separator, the one character every path rule of the suite splits on.

namespace iconfile {

inline constexpr char kFolderSeparator = '/';

}  // namespace iconfile
