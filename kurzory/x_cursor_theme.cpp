#include "kurzory/x_cursor_theme.h"

#include <cerrno>
#include <filesystem>

#include "kurzory/xcursor_images.h"

namespace kurzory {
namespace {

namespace fs = std::filesystem;

// A line of index.theme cannot hold a line break.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// Every size in ascending order, each with all steps in order: libXcursor picks the size nearest the
// one asked for and plays that size's images as the animation.
XcursorImageList ImagesOf(const RoleCursor& cursor) {
    std::size_t count = 0;
    for (const CursorStep& step : cursor.steps) count += step.pictures.size();
    XcursorImageList images(XcursorImagesCreate(static_cast<int>(count)));
    if (!images) return images;
    const std::size_t sizes = cursor.steps.front().pictures.size();
    for (std::size_t size = 0; size < sizes; ++size) {
        for (const CursorStep& step : cursor.steps) {
            if (size >= step.pictures.size()) continue;
            const SizedPicture& picture = step.pictures[size];
            XcursorImage* image = XcursorImageOf(picture.picture, picture.hotSpotX, picture.hotSpotY, picture.size(),
                                                 cursor.animated() ? MillisecondsOfJiffies(step.jiffies) : 0);
            if (image == nullptr) return nullptr;
            images->images[images->nimage++] = image;
        }
    }
    return images;
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string ThemeIndexText(const CursorSet& set) {
    return "[Icon Theme]\nName=" + OneLine(set.name) + "\nComment=" + OneLine(set.comment) +
           "\nInherits=" + OneLine(set.inherits) + "\n";
}

iconfile::FileOutcome WriteXCursorTheme(const CursorSet& set, OutputFolder& folder, const std::string& theme) {
    const std::string cursors = theme + "/cursors";
    for (const std::string& made : {theme, cursors})
        if (auto outcome = folder.MakeFolder(made); !outcome.succeeded()) return outcome;
    for (const RoleCursor& cursor : set.cursors) {
        const auto& names = cursor.role->xNames;
        if (names.empty()) continue;
        const std::string file = cursors + "/" + std::string(names.front());
        const XcursorImageList images = ImagesOf(cursor);
        const std::optional<std::vector<std::uint8_t>> bytes = images ? XcursorFileBytes(*images) : std::nullopt;
        if (!bytes) return iconfile::FileOutcome::FromErrno((fs::path(folder.target()) / file).string(), ENOMEM);
        if (auto outcome = folder.WriteFile(file, *bytes); !outcome.succeeded()) return outcome;
        for (std::size_t i = 1; i < names.size(); ++i)
            if (auto outcome = folder.MakeLink(cursors + "/" + std::string(names[i]), std::string(names.front()));
                !outcome.succeeded())
                return outcome;
    }
    return folder.WriteFile(theme + "/index.theme", BytesOf(ThemeIndexText(set)));
}

}  // namespace kurzory
