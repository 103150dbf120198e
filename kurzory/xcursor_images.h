#pragma once
// The images of the X11 cursor format made from a cursor or an animated cursor: one image per
// size and step with its frame's hot spot and time, and the bytes libxcursor writes for them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "animace/reader/byte_source.h"

struct _XcursorImages;  // libxcursor's; its header defines macros that clash with other names

namespace kurzory {

struct XcursorImagesDeleter {
    void operator()(_XcursorImages* images) const;
};
using XcursorImageSet = std::unique_ptr<_XcursorImages, XcursorImagesDeleter>;

// The images libxcursor writes, and the count of pixels they cannot keep (X11 has no XOR).
struct MadeImages {
    XcursorImageSet images;
    std::uint64_t invertedPixels = 0;
};

// The images of the animated cursor in `source` (read from `path`), or a refusal line.
std::variant<MadeImages, std::string> AnimatedImages(const std::string& path, animace::ByteSource& source);
// The images of the cursor at `path`, one per size, or a refusal line.
std::variant<MadeImages, std::string> CursorImages(const std::string& path);
// The file libxcursor writes for the images, in memory.
std::optional<std::vector<std::uint8_t>> XcursorBytes(const _XcursorImages& images);

}  // namespace kurzory
