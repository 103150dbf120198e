#pragma once
// The platform's folder separator, the one character every path rule of the suite splits on.

namespace desktop {

inline constexpr char kFolderSeparator = '/';

}  // namespace desktop
