#pragma once
// The reason shown for a failed file operation, in Czech: the system's own texts are English.
#include <string>

namespace iconfile {

// Not an errno value: the path names a FIFO, device or socket, which the programs never open.
inline constexpr int kNotARegularFile = -1;

std::string SystemErrorText(int errorNumber);

}  // namespace iconfile
