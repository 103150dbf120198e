#include "kurzory/set_pictures.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "iconfile/hot_spot_scaling.h"
#include "kurzory/messages.h"
#include "kurzory/png_picture.h"

namespace kurzory {
namespace {

struct Refusal {
    std::string line;
};

// One PNG picture: square, at most the largest cursor size.
std::variant<QImage, Refusal> LoadPicture(const std::string& path, const SetFilePlace& place) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return Refusal{PlaceText(place) + PictureMissingText(path)};
    std::variant<iconfile::RgbaPicture, std::string> read = ReadSquarePng(path);
    if (const std::string* refusal = std::get_if<std::string>(&read)) return Refusal{PlaceText(place) + *refusal};
    const iconfile::RgbaPicture& picture = std::get<iconfile::RgbaPicture>(read);
    return QImage(picture.rgba.data(), picture.width, picture.height, 4 * picture.width, QImage::Format_RGBA8888)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The pictures of one frame line, by size.
std::variant<std::map<int, QImage>, Refusal> LoadFrame(const FrameSource& frame) {
    std::map<int, QImage> bySize;
    for (const std::string& path : frame.pictures) {
        std::variant<QImage, Refusal> loaded = LoadPicture(path, frame.place);
        if (Refusal* refusal = std::get_if<Refusal>(&loaded)) return *refusal;
        QImage& image = std::get<QImage>(loaded);
        const int size = image.width();
        if (!bySize.emplace(size, std::move(image)).second)
            return Refusal{PlaceText(frame.place) + SizeTwiceText(path, size)};
    }
    return bySize;
}

// The hot spot at `size`: given for that size, or the general one moved with the picture.
std::variant<std::pair<int, int>, Refusal> HotSpotAt(const RoleSource& role, int size, int largest) {
    if (const auto found = role.hotSpotBySize.find(size); found != role.hotSpotBySize.end()) {
        const HotSpotSource& spot = found->second;
        if (spot.x >= size || spot.y >= size) return Refusal{PlaceText(spot.place) + HotSpotOutsidePictureText(spot.x, spot.y, size)};
        return std::pair{spot.x, spot.y};
    }
    const HotSpotSource& spot = *role.hotSpot;
    if (spot.x >= largest || spot.y >= largest)
        return Refusal{PlaceText(spot.place) + HotSpotOutsidePictureText(spot.x, spot.y, largest)};
    return std::pair{iconfile::ScaledHotSpot(spot.x, largest, size), iconfile::ScaledHotSpot(spot.y, largest, size)};
}

std::variant<RoleCursor, Refusal> LoadDrawnCursor(const RoleSource& role, const std::vector<int>& sizes,
                                                  std::vector<std::string>& notes) {
    std::vector<std::map<int, QImage>> frames;
    for (std::size_t i = 0; i < role.frames.size(); ++i) {
        auto loaded = LoadFrame(role.frames[i]);
        if (Refusal* refusal = std::get_if<Refusal>(&loaded)) return *refusal;
        auto& bySize = std::get<std::map<int, QImage>>(loaded);
        const auto sameSizes = [&](const auto& a, const auto& b) { return a.first == b.first; };
        if (i > 0 && !std::equal(bySize.begin(), bySize.end(), frames.front().begin(), frames.front().end(), sameSizes))
            return Refusal{PlaceText(role.frames[i].place) + FrameSizesDifferText(static_cast<int>(i + 1))};
        frames.push_back(std::move(bySize));
    }
    const int largest = frames.front().rbegin()->first;
    RoleCursor cursor;
    cursor.role = role.role;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        CursorStep step;
        step.jiffies = role.frames[i].twentieths * 3;
        for (int size : sizes) {
            if (size > largest) {
                if (i == 0) notes.push_back(SizeLeftOutText(std::string(role.role->windowsName), size, largest));
                continue;
            }
            auto hotSpot = HotSpotAt(role, size, largest);
            if (Refusal* refusal = std::get_if<Refusal>(&hotSpot)) return *refusal;
            const auto drawn = frames[i].find(size);
            // The picture drawn for the size, else the smallest one larger than it: the least scaling.
            const QImage& source = drawn != frames[i].end() ? drawn->second : frames[i].upper_bound(size)->second;
            SizedPicture picture = ScaledDown({source, 0, 0}, size);
            std::tie(picture.hotSpotX, picture.hotSpotY) = std::get<std::pair<int, int>>(hotSpot);
            step.pictures.push_back(std::move(picture));
        }
        cursor.steps.push_back(std::move(step));
    }
    if (cursor.steps.front().pictures.empty()) return Refusal{PlaceText(role.place) + NoSizeLeftText(std::string(role.role->windowsName))};
    return cursor;
}

std::variant<RoleCursor, Refusal> LoadCursorFile(const RoleSource& role, const std::vector<int>& sizes,
                                                 std::vector<std::string>& notes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(role.cursorFile, error))
        return Refusal{PlaceText(role.cursorFilePlace) + PictureMissingText(role.cursorFile)};
    std::optional<std::vector<CursorStep>> steps = ReadCursorFilePictures(role.cursorFile);
    if (!steps) return Refusal{PlaceText(role.cursorFilePlace) + CursorFileUnreadableText(role.cursorFile)};
    RoleCursor cursor;
    cursor.role = role.role;
    for (CursorStep& step : *steps) {
        CursorStep wanted;
        wanted.jiffies = step.jiffies;
        const int largest = step.pictures.back().size();
        for (int size : sizes) {
            if (size > largest) {
                if (&step == &steps->front()) notes.push_back(SizeLeftOutText(std::string(role.role->windowsName), size, largest));
                continue;
            }
            const auto source = std::find_if(step.pictures.begin(), step.pictures.end(),
                                             [&](const SizedPicture& picture) { return picture.size() >= size; });
            wanted.pictures.push_back(ScaledDown(*source, size));
        }
        if (wanted.pictures.empty()) return Refusal{PlaceText(role.place) + NoSizeLeftText(std::string(role.role->windowsName))};
        cursor.steps.push_back(std::move(wanted));
    }
    return cursor;
}

}  // namespace

std::variant<LoadedSet, std::string> LoadSetPictures(const SetDescription& description) {
    LoadedSet loaded;
    loaded.set.name = description.name;
    loaded.set.comment = description.comment;
    loaded.set.inherits = description.inherits;
    for (const RoleSource& role : description.roles) {
        auto cursor = role.cursorFile.empty() ? LoadDrawnCursor(role, description.sizes, loaded.notes)
                                              : LoadCursorFile(role, description.sizes, loaded.notes);
        if (Refusal* refusal = std::get_if<Refusal>(&cursor)) return refusal->line;
        loaded.set.cursors.push_back(std::move(std::get<RoleCursor>(cursor)));
    }
    return loaded;
}

}  // namespace kurzory
