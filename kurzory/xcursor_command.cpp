// kurzory xcursor: the same cursor in the X11 cursor format of Linux desktops, written by
// libxcursor: one image per step with its frame's hot spot and time.
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <variant>

#include "animace/reader/loader_verdicts.h"
#include "desktop/picture_loader.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "iconfile/icon_records.h"
#include "iconfile/image_check.h"
#include "iconfile/inverted_pixels.h"
#include "iconfile/stored_images.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "kurzory/picture_sizes.h"

// Last: Xlib defines macros (Success, None, Bool) that clash with names in the headers above.
#include <X11/Xcursor/Xcursor.h>

namespace kurzory {
namespace {

namespace fs = std::filesystem;

// Far beyond any real cursor: steps whose images need more are refused before they fill the memory.
constexpr std::uint64_t kMostImageBytes = 512ull << 20;

struct ImagesDeleter {
    void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, ImagesDeleter>;

// One size of a cursor, decoded.
struct DecodedSize {
    QImage picture;  // premultiplied ARGB
    int hotSpotX = 0;
    int hotSpotY = 0;
};

// Every size of one cursor: per size its deepest image, in the cursor's order.
struct DecodedCursor {
    std::vector<DecodedSize> images;
    std::vector<iconfile::CheckedImage> kept;  // the directory's word on each
    std::vector<PictureSize> sizes;             // from the smallest
    std::uint64_t invertedPixels = 0;           // lost in X11's format, which has no XOR
};

// Decodes every size of a cursor's bytes as the wizard's preview decodes one: as an icon. A cursor
// whose images fail their check is not decoded; `fault` then tells what is wrong.
std::optional<DecodedCursor> DecodeCursor(std::span<const std::uint8_t> bytes, std::string& fault) {
    const iconfile::CheckedIconFile checked = iconfile::CheckIconBytes(bytes);
    if (!checked.directory.opened() || checked.directory.resourceTypeLow != 2) return std::nullopt;
    if (!checked.sound()) {
        fault = iconfile::FaultText(checked);
        return std::nullopt;
    }
    DecodedCursor cursor;
    cursor.sizes = SizesOf(checked);
    for (std::size_t index : iconfile::DeepestImagePerSize(checked)) {
        const iconfile::CheckedImage& image = checked.images[index];
        const desktop::LoadedPicture decoded = desktop::LoadIconImage(bytes, image);
        if (decoded.outcome != desktop::PictureLoadOutcome::Loaded) return std::nullopt;
        DecodedSize& made = cursor.images.emplace_back();
        made.picture = decoded.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // A hot spot outside the picture would make the pointer click beside itself.
        made.hotSpotX = std::clamp<int>(image.entry.hotSpotX(), 0, made.picture.width() - 1);
        made.hotSpotY = std::clamp<int>(image.entry.hotSpotY(), 0, made.picture.height() - 1);
        cursor.kept.push_back(image);
        if (image.encoding == iconfile::ImageEncoding::Bitmap)
            cursor.invertedPixels += iconfile::InvertedPixelCount(
                bytes.subspan(static_cast<std::size_t>(image.offset()), static_cast<std::size_t>(image.length())));
    }
    return cursor;
}

XcursorImage* ImageOf(const DecodedSize& frame, int nominalSize, unsigned delay) {
    XcursorImage* image = XcursorImageCreate(frame.picture.width(), frame.picture.height());
    if (image == nullptr) return nullptr;
    image->size = static_cast<XcursorDim>(nominalSize);
    image->xhot = static_cast<XcursorDim>(frame.hotSpotX);
    image->yhot = static_cast<XcursorDim>(frame.hotSpotY);
    image->delay = delay;
    for (int y = 0; y < frame.picture.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(frame.picture.constScanLine(y));
        std::copy_n(row, frame.picture.width(), image->pixels + static_cast<std::ptrdiff_t>(y) * frame.picture.width());
    }
    return image;
}

// The size X11 asks a cursor image by: its longer side.
int NominalSize(const iconfile::CheckedImage& image) { return std::max(image.width, image.height); }

// Milliseconds of a time in jiffies of 1/60 s, rounded.
unsigned Milliseconds(std::uint32_t jiffies) {
    return static_cast<unsigned>((std::uint64_t{jiffies} * 1000 + 30) / 60);
}

// The images libxcursor writes, and the count of pixels they cannot keep.
struct MadeImages {
    Images images;
    std::uint64_t invertedPixels = 0;
};

// Appends one image per size of `cursor` for a step of `delay` ms, each of `nominalSize`, or with 0
// of its own; a failure line or an empty text.
std::string AppendImages(const std::string& path, const DecodedCursor& cursor, int nominalSize,
                         unsigned delay, std::uint64_t& imageBytes, XcursorImages& images) {
    for (std::size_t i = 0; i < cursor.images.size(); ++i) {
        const QImage& picture = cursor.images[i].picture;
        // A frame may decode larger than its directory says.
        imageBytes += 4 * std::uint64_t(picture.width()) * std::uint64_t(picture.height());
        if (imageBytes > kMostImageBytes) return TooManyImagesText(path);
        XcursorImage* image = ImageOf(cursor.images[i], nominalSize != 0 ? nominalSize : NominalSize(cursor.kept[i]), delay);
        if (image == nullptr) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOMEM).reason());
        images.images[images.nimage++] = image;
    }
    return {};
}

// The images of an animated cursor, or a refusal line. Frames of one image each share one nominal
// size, the largest, so a loader asking any size plays every step; frames of several sizes must
// all hold the same sizes, each kept as its own.
std::variant<MadeImages, std::string> AnimatedImages(const std::string& path, animace::ByteSource& source) {
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    if (!animace::JudgeAnimatedCursor(source, layout).readable) return NotAnimatedCursorText(path);
    std::vector<animace::FrameEntry> frames;
    int largestSide = 0;
    animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        frames.push_back(frame);
        largestSide = std::max({largestSide, frame.width, frame.height});
        return true;
    });
    // Each step becomes an image of its own: their pixels together must fit in memory.
    const std::uint64_t largestImage = 4 * std::uint64_t(largestSide) * std::uint64_t(largestSide);
    if (layout.PlayableSteps() * largestImage > kMostImageBytes) return TooManyImagesText(path);
    std::vector<animace::StepEntry> steps;
    if (!animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
            steps.push_back(step);
            return true;
        }))
        return NotAnimatedCursorText(path);
    if (steps.empty()) return NotAnimatedCursorText(path);

    std::map<std::uint32_t, DecodedCursor> decoded;
    for (const animace::StepEntry& step : steps) {
        if (step.frame >= frames.size()) return UnreadableFrameText(path, step.frame);
        if (decoded.contains(step.frame)) continue;
        const animace::FrameEntry& frame = frames[step.frame];
        std::optional<DecodedCursor> cursor;
        std::string fault;
        if (frame.length <= iconfile::kLargestIconFile) {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frame.length));
            if (source.ReadAt(frame.dataOffset, bytes)) cursor = DecodeCursor(bytes, fault);
        }
        if (!fault.empty()) return DamagedFrameText(path, step.frame, fault);
        if (!cursor) return UnreadableFrameText(path, step.frame);
        decoded.emplace(step.frame, std::move(*cursor));
    }
    const DecodedCursor& first = decoded.begin()->second;
    const bool oneSizeEach = std::all_of(decoded.begin(), decoded.end(), [](const auto& d) { return d.second.images.size() == 1; });
    int nominalSize = 0;
    for (const auto& [index, cursor] : decoded) {
        if (!oneSizeEach && cursor.sizes != first.sizes)
            return FrameSizesText(path, index, SizesText(cursor.sizes),
                                  SizesText(first.sizes));
        nominalSize = std::max(nominalSize, NominalSize(cursor.kept.front()));
    }

    std::size_t imageCount = 0;
    for (const animace::StepEntry& step : steps) imageCount += decoded.at(step.frame).images.size();
    MadeImages made{Images(XcursorImagesCreate(static_cast<int>(imageCount))), 0};
    if (!made.images) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOMEM).reason());
    std::uint64_t imageBytes = 0;
    for (const animace::StepEntry& step : steps) {
        if (std::string failure = AppendImages(path, decoded.at(step.frame), oneSizeEach ? nominalSize : 0,
                                               Milliseconds(step.jiffies),
                                               imageBytes, *made.images);
            !failure.empty())
            return failure;
    }
    for (const auto& [index, cursor] : decoded) made.invertedPixels += cursor.invertedPixels;
    return made;
}

std::variant<MadeImages, std::string> CursorImages(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = iconfile::ReadWholeIconFile(path);
    const iconfile::CheckedIconFile checked = bytes ? iconfile::CheckIconBytes(*bytes) : iconfile::CheckIconFile(path);
    if (!checked.directory.opened() || checked.directory.resourceTypeLow != 2) return NotCursorText(path);
    if (!checked.sound()) return FileFailureText(path, iconfile::FaultText(checked));
    if (!bytes) return TooLargeIconText(path);
    std::string fault;
    const std::optional<DecodedCursor> cursor = DecodeCursor(*bytes, fault);
    if (!cursor) return UnreadableFrameText(path, 0);
    MadeImages made{Images(XcursorImagesCreate(static_cast<int>(cursor->images.size()))), cursor->invertedPixels};
    if (!made.images) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOMEM).reason());
    std::uint64_t imageBytes = 0;
    if (std::string failure = AppendImages(path, *cursor, 0, 0, imageBytes, *made.images); !failure.empty())
        return failure;
    return made;
}

// The file libxcursor writes for the images, in memory.
std::optional<std::vector<std::uint8_t>> XcursorBytes(const XcursorImages& images) {
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&buffer, &length);
    if (stream == nullptr) return std::nullopt;
    const bool saved = XcursorFileSaveImages(stream, &images);
    const bool closed = std::fclose(stream) == 0;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (saved && closed) bytes.emplace(buffer, buffer + length);
    std::free(buffer);
    return bytes;
}

// Writes index.theme when the theme has none, so the folder is a theme a desktop can list.
std::string WriteThemeIndex(const fs::path& theme) {
    const fs::path index = theme / "index.theme";
    std::error_code error;
    if (fs::exists(index, error)) return {};
    const std::string name = theme.filename().empty() ? theme.parent_path().filename().string() : theme.filename().string();
    const std::string text = "[Icon Theme]\nName=" + name + "\nComment=Kurzory vytvořené programem kurzory\n";
    const iconfile::FileOutcome written = WriteWholeFile(
        index.string(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return written.succeeded() ? std::string() : FileFailureText(written.path(), written.reason());
}

}  // namespace

int RunXcursor(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--theme", true}, {"--name", true}, {"--force", false}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, XcursorHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.size() != 1) return console.Fail(InputCountText("xcursor"));
    const std::string& input = parsed->paths.front();
    const std::string* theme = parsed->Value("--theme");
    const std::string* name = parsed->Value("--name");
    if ((theme == nullptr) != (name == nullptr) || (theme && parsed->Value("-o")) ||
        (name && (name->empty() || name->find('/') != std::string::npos)))
        return console.Fail(ThemeNameText());

    animace::FileByteSource source;
    if (const int error = source.Open(input); error != 0)
        return console.Fail(FileFailureText(input, iconfile::FileOutcome::FromErrno(input, error).reason()));
    std::array<std::uint8_t, 4> start{};
    const bool riff = source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0;
    std::variant<MadeImages, std::string> made = riff ? AnimatedImages(input, source) : CursorImages(input);
    if (const std::string* refusal = std::get_if<std::string>(&made)) return console.Fail(*refusal);
    const Images& images = std::get<MadeImages>(made).images;

    std::string output;
    if (theme) {
        const fs::path cursors = fs::path(*theme) / "cursors";
        std::error_code error;
        fs::create_directories(cursors, error);
        if (error) return console.Fail(FileFailureText(cursors.string(), iconfile::FileOutcome::FromErrno("", error.value()).reason()));
        output = (cursors / *name).string();
    } else {
        output = parsed->Value("-o") ? *parsed->Value("-o") : fs::path(input).replace_extension("").string();
    }
    if (SameExistingFile(input, output)) return console.Fail(OutputIsInputText(output));
    if (std::string refusal = RefusedOutput(output, parsed->Has("--force")); !refusal.empty()) return console.Fail(refusal);

    const std::optional<std::vector<std::uint8_t>> bytes = XcursorBytes(*images);
    if (!bytes) return console.Fail(FileFailureText(output, iconfile::FileOutcome::FromErrno(output, ENOMEM).reason()));
    if (const iconfile::FileOutcome written = WriteWholeFile(output, *bytes); !written.succeeded())
        return console.Fail(FileFailureText(written.path(), written.reason()));
    if (theme) {
        if (std::string failure = WriteThemeIndex(*theme); !failure.empty()) return console.Fail(failure);
    }
    if (const std::uint64_t inverted = std::get<MadeImages>(made).invertedPixels; inverted != 0)
        console.err << "kurzory: " << InvertedPixelsText(input, inverted) << '\n';
    return 0;
}

}  // namespace kurzory
