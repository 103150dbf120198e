#pragma once
// The reason shown for a failed file operation: Czech for the failures users meet every day, the
// system's own text for the rest.
#include <string>

namespace iconfile {

// Not an errno value: the path names a FIFO, device or socket, which the programs never open.
inline constexpr int kNotARegularFile = -1;

std::string SystemErrorText(int errorNumber);

}  // namespace iconfile
