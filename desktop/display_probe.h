#pragma once

namespace desktop {

// Whether the toolkit will find a display, asked before it is started: Qt aborts the process when
// it finds none. A platform chosen by QT_QPA_PLATFORM or -platform is trusted, except X11, which
// is asked like the default.
bool DisplayUsable(int argc, char** argv);

}  // namespace desktop
