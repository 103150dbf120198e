#include "desktop/display_probe.h"

#include <QByteArray>
#include <cstring>

#if KURZORY_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace desktop {
namespace {

bool XServerAnswers() {
#if KURZORY_HAVE_XCB
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    return true;
#endif
}

QByteArray ChosenPlatform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
    }
    return qgetenv("QT_QPA_PLATFORM");
}

}  // namespace

bool DisplayUsable(int argc, char** argv) {
    const QByteArray platform = ChosenPlatform(argc, argv);
    if (!platform.isEmpty()) return !platform.startsWith("xcb") || XServerAnswers();
    // A Wayland session may serve Qt without any X server.
    return XServerAnswers() || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace desktop
