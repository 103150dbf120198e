#pragma once
// Pictures into libXcursor's images, and the bytes of the X cursor file it writes for them.
#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Last: Xlib defines macros (Success, None, Bool) that clash with names in other headers.
#include <X11/Xcursor/Xcursor.h>

namespace kurzory {

struct XcursorImagesDeleter {
    void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using XcursorImageList = std::unique_ptr<XcursorImages, XcursorImagesDeleter>;

// One image of a premultiplied ARGB picture with its hot spot, nominal size and delay in
// milliseconds; nothing when the memory runs out.
XcursorImage* XcursorImageOf(const QImage& picture, int hotSpotX, int hotSpotY, int nominalSize, unsigned delay);

// The file libXcursor writes for the images, in memory.
std::optional<std::vector<std::uint8_t>> XcursorFileBytes(const XcursorImages& images);

// Milliseconds of a time in jiffies of 1/60 s, rounded.
unsigned MillisecondsOfJiffies(std::uint32_t jiffies);

}  // namespace kurzory
