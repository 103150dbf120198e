// kurzory xcursor: the same cursor in the X11 cursor format of Linux desktops, written by
// libxcursor: one image per step with its frame's hot spot and time.
#include <QByteArray>
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
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "skiren/hot_spot.h"

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

struct DecodedFrame {
    QImage picture;  // premultiplied ARGB
    int hotSpotX = 0;
    int hotSpotY = 0;
};

// Decodes one frame's bytes as the wizard's preview does: the type byte set to icon first.
std::optional<DecodedFrame> DecodeFrame(animace::ByteSource& source, std::uint64_t offset, std::uint64_t length,
                                        int hotSpotX, int hotSpotY) {
    if (length < iconfile::IconFileHeader::kSize || length > iconfile::kLargestIconFile) return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(length), '\0');
    if (!source.ReadAt(offset, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size())))
        return std::nullopt;
    bytes[static_cast<qsizetype>(iconfile::offsets::kResourceTypeLow)] = 1;
    const desktop::LoadedPicture loaded = desktop::LoadPictureFromBytes(bytes);
    if (loaded.outcome != desktop::PictureLoadOutcome::Loaded) return std::nullopt;
    DecodedFrame frame;
    frame.picture = loaded.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // A hot spot outside the picture would make the pointer click beside itself.
    frame.hotSpotX = std::clamp(hotSpotX, 0, frame.picture.width() - 1);
    frame.hotSpotY = std::clamp(hotSpotY, 0, frame.picture.height() - 1);
    return frame;
}

XcursorImage* ImageOf(const DecodedFrame& frame, int nominalSize, unsigned delay) {
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

// Milliseconds of a time in jiffies of 1/60 s, rounded.
unsigned Milliseconds(std::uint32_t jiffies) {
    return static_cast<unsigned>((std::uint64_t{jiffies} * 1000 + 30) / 60);
}

// The images of an animated cursor, or a refusal line.
std::variant<Images, std::string> AnimatedImages(const std::string& path, animace::ByteSource& source) {
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    if (!animace::JudgeAnimatedCursor(source, layout).readable) return NotAnimatedCursorText(path);
    std::vector<animace::FrameEntry> frames;
    int nominalSize = 0;
    animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        frames.push_back(frame);
        nominalSize = std::max({nominalSize, frame.width, frame.height});
        return true;
    });
    // Each step becomes an image of its own: their pixels together must fit in memory.
    const std::uint64_t largestImage = 4 * std::uint64_t(nominalSize) * std::uint64_t(nominalSize);
    if (layout.PlayableSteps() * largestImage > kMostImageBytes) return TooManyImagesText(path);
    std::vector<animace::StepEntry> steps;
    if (!animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
            steps.push_back(step);
            return true;
        }))
        return NotAnimatedCursorText(path);
    if (steps.empty()) return NotAnimatedCursorText(path);
    Images images(XcursorImagesCreate(static_cast<int>(steps.size())));
    std::map<std::uint32_t, DecodedFrame> decoded;
    std::uint64_t imageBytes = 0;
    for (const animace::StepEntry& step : steps) {
        if (step.frame >= frames.size()) return UnreadableFrameText(path, step.frame);
        auto found = decoded.find(step.frame);
        if (found == decoded.end()) {
            const animace::FrameEntry& frame = frames[step.frame];
            std::optional<DecodedFrame> picture =
                frame.headerRead && frame.resourceType == 2 && frame.imageCount >= 1
                    ? DecodeFrame(source, frame.dataOffset, frame.length, frame.hotSpotX, frame.hotSpotY)
                    : std::nullopt;
            if (!picture) return UnreadableFrameText(path, step.frame);
            found = decoded.emplace(step.frame, std::move(*picture)).first;
        }
        // A frame may decode larger than its directory says.
        imageBytes += 4 * std::uint64_t(found->second.picture.width()) * std::uint64_t(found->second.picture.height());
        if (imageBytes > kMostImageBytes) return TooManyImagesText(path);
        XcursorImage* image = ImageOf(found->second, nominalSize, Milliseconds(step.jiffies));
        if (image == nullptr) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOMEM).reason());
        images->images[images->nimage++] = image;
    }
    return images;
}

std::variant<Images, std::string> CursorImages(const std::string& path, animace::ByteSource& source) {
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(path);
    if (directory.status != iconfile::DirectoryRead::Read || directory.resourceTypeLow != 2 || directory.entries.empty())
        return NotCursorText(path);
    const iconfile::IconDirEntry& entry = directory.entries.front();
    const int nominalSize = std::max(skiren::IconSizeFromByte(entry.width), skiren::IconSizeFromByte(entry.height));
    std::optional<DecodedFrame> picture =
        DecodeFrame(source, 0, source.Length(), entry.hotSpotX(), entry.hotSpotY());
    if (!picture) return UnreadableFrameText(path, 0);
    Images images(XcursorImagesCreate(1));
    XcursorImage* image = ImageOf(*picture, nominalSize, 0);
    if (image == nullptr) return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOMEM).reason());
    images->images[images->nimage++] = image;
    return images;
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
    std::variant<Images, std::string> made = riff ? AnimatedImages(input, source) : CursorImages(input, source);
    if (const std::string* refusal = std::get_if<std::string>(&made)) return console.Fail(*refusal);
    const Images& images = std::get<Images>(made);

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
    return 0;
}

}  // namespace kurzory
