#pragma once
// The images of the X11 cursor format made from a cursor or an animated cursor: one image per
// step with its frame's hot spot and time, and the bytes libxcursor writes for them.
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

// The images of the animated cursor in `source` (read from `path`), or a refusal line.
std::variant<XcursorImageSet, std::string> AnimatedImages(const std::string& path, animace::ByteSource& source);
// The image of the one-image cursor at `path`, or a refusal line.
std::variant<XcursorImageSet, std::string> CursorImages(const std::string& path, animace::ByteSource& source);
// The file libxcursor writes for the images, in memory.
std::optional<std::vector<std::uint8_t>> XcursorBytes(const _XcursorImages& images);

}  // namespace kurzory
