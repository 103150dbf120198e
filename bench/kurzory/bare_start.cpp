// A process that links what kurzory links and exits: the reference for kurzory's start-up.
#include <QImage>
#include <X11/Xcursor/Xcursor.h>

int main(int argc, char**) {
    // Never true; keeps every library linked as kurzory links it.
    if (argc > 1000) {
        XcursorImagesDestroy(XcursorImagesCreate(1));
        return QImage(1, 1, QImage::Format_ARGB32).isNull() ? 1 : 0;
    }
    return 0;
}
