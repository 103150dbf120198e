#pragma once
// The platform's folder separator, the one character every path rule of the suite splits on.

namespace iconfile {

#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

}  // namespace iconfile
