#include "kurzory/cursor_pictures.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "animace/reader/animated_cursor_reader.h"
#include "iconfile/hot_spot_scaling.h"
#include "iconfile/icon_directory.h"
#include "kurzory/decoded_cursor.h"

namespace kurzory {
namespace {

// Far beyond any real cursor: a file whose pictures need more is not decoded at all.
constexpr std::uint64_t kMostPictureBytes = 512ull << 20;

// The pictures of a cursor file's bytes, one per size with that image's hot spot, from the smallest.
std::optional<std::vector<SizedPicture>> DecodePictures(std::span<const std::uint8_t> bytes) {
    std::string fault;
    std::optional<DecodedCursor> cursor = DecodeCursor(bytes, fault);
    if (!cursor) return std::nullopt;
    std::vector<SizedPicture> pictures = std::move(cursor->images);
    std::stable_sort(pictures.begin(), pictures.end(),
                     [](const SizedPicture& a, const SizedPicture& b) { return a.size() < b.size(); });
    // An oblong picture shares its longer side with a square one: the first stays.
    pictures.erase(std::unique(pictures.begin(), pictures.end(),
                               [](const SizedPicture& a, const SizedPicture& b) { return a.size() == b.size(); }),
                   pictures.end());
    return pictures;
}

std::optional<std::vector<std::uint8_t>> ReadRange(animace::ByteSource& source, std::uint64_t offset,
                                                   std::uint64_t length) {
    if (length > iconfile::kLargestIconFile) return std::nullopt;
    std::vector<std::uint8_t> bytes(length);
    if (!source.ReadAt(offset, bytes)) return std::nullopt;
    return bytes;
}

std::uint64_t PictureBytes(const std::vector<SizedPicture>& pictures) {
    std::uint64_t bytes = 0;
    for (const SizedPicture& picture : pictures) bytes += std::uint64_t(picture.picture.sizeInBytes());
    return bytes;
}

std::optional<std::vector<CursorStep>> AnimatedPictures(animace::ByteSource& source) {
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    if (!layout.Readable()) return std::nullopt;
    std::vector<animace::FrameEntry> frames;
    if (!animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
            frames.push_back(frame);
            return true;
        }))
        return std::nullopt;
    std::vector<std::optional<std::vector<SizedPicture>>> decoded(frames.size());
    std::vector<CursorStep> steps;
    std::uint64_t pictureBytes = 0;
    bool failed = false;
    const bool read = animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
        if (step.frame >= frames.size()) return !(failed = true);
        std::optional<std::vector<SizedPicture>>& pictures = decoded[step.frame];
        if (!pictures) {
            std::optional<std::vector<std::uint8_t>> bytes =
                ReadRange(source, frames[step.frame].dataOffset, frames[step.frame].length);
            if (bytes) pictures = DecodePictures(*bytes);
            if (!pictures) return !(failed = true);
        }
        // Every step becomes an image of its own in the X theme: their pixels together must fit in memory.
        pictureBytes += PictureBytes(*pictures);
        if (pictureBytes > kMostPictureBytes) return !(failed = true);
        steps.push_back({*pictures, static_cast<int>(std::min<std::uint32_t>(step.jiffies, 1u << 20))});
        return true;
    });
    if (!read || failed || steps.empty()) return std::nullopt;
    return steps;
}

}  // namespace

std::optional<std::vector<CursorStep>> ReadCursorFilePictures(const std::string& path) {
    animace::FileByteSource source;
    if (!source.Open(path).succeeded()) return std::nullopt;
    std::array<std::uint8_t, 4> start{};
    if (source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0) return AnimatedPictures(source);
    std::optional<std::vector<std::uint8_t>> bytes = ReadRange(source, 0, source.Length());
    if (!bytes) return std::nullopt;
    std::optional<std::vector<SizedPicture>> pictures = DecodePictures(*bytes);
    if (!pictures) return std::nullopt;
    return std::vector<CursorStep>{{std::move(*pictures), 0}};
}

SizedPicture ScaledDown(const SizedPicture& picture, int size) {
    if (picture.size() <= size) return picture;
    SizedPicture scaled;
    // Qt's smooth scaling averages every source pixel under a target pixel when shrinking.
    scaled.picture = picture.picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                       .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.hotSpotX = std::min(iconfile::ScaledHotSpot(picture.hotSpotX, picture.size(), size), scaled.picture.width() - 1);
    scaled.hotSpotY = std::min(iconfile::ScaledHotSpot(picture.hotSpotY, picture.size(), size), scaled.picture.height() - 1);
    return scaled;
}

}  // namespace kurzory
