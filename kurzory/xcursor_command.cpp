// kurzory xcursor: the same cursor in the X11 cursor format of Linux desktops, written by
// libxcursor: one image per step with its frame's hot spot and time.
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <variant>

#include "animace/reader/animated_cursor_reader.h"
#include "desktop/picture_loader.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "iconfile/icon_records.h"
#include "iconfile/image_check.h"
#include "iconfile/inverted_pixels.h"
#include "iconfile/blocked_termination_signals.h"
#include "iconfile/stored_images.h"
#include "kurzory/arguments.h"
#include "kurzory/decoded_cursor.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"
#include "kurzory/output_folder.h"
#include "kurzory/picture_sizes.h"

// Last: it brings Xlib's macros.
#include "kurzory/xcursor_images.h"

namespace kurzory {
namespace {

namespace fs = std::filesystem;

// Far beyond any real cursor: steps whose images need more are refused before they fill the memory.
constexpr std::uint64_t kMostImageBytes = 512ull << 20;

using Images = XcursorImageList;

XcursorImage* ImageOf(const DecodedSize& frame, int nominalSize, unsigned delay) {
    return XcursorImageOf(frame.picture, frame.hotSpotX, frame.hotSpotY, nominalSize, delay);
}

// The size X11 asks a cursor image by: its longer side.
int NominalSize(const iconfile::CheckedImage& image) { return std::max(image.width, image.height); }

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
    if (!layout.Readable()) return NotAnimatedCursorText(path);
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
                                               MillisecondsOfJiffies(step.jiffies),
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
    if (!checked.directory.opened() || !checked.directory.isCursor()) return NotCursorText(path);
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

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The index that makes a folder a theme a desktop can list.
std::string ThemeIndex(const fs::path& theme) {
    const std::string name = theme.filename().empty() ? theme.parent_path().filename().string() : theme.filename().string();
    return "[Icon Theme]\nName=" + name + "\nComment=Kurzory vytvořené programem kurzory\n";
}

std::string Failure(const iconfile::FileOutcome& outcome) { return FileFailureText(outcome.path(), outcome.reason()); }

// Runs the steps in order up to the first that fails; its failure line, or an empty text.
std::string FirstFailure(std::initializer_list<std::function<iconfile::FileOutcome()>> steps) {
    for (const auto& step : steps) {
        if (const iconfile::FileOutcome done = step(); !done.succeeded()) return Failure(done);
    }
    return {};
}

// Puts the cursor into the theme whole or not at all: a new theme, or a theme without its
// cursors folder, is built beside and renamed into place; into an existing one the index (when
// missing) and then the cursor go file by file, each replacing its name only once complete.
std::string WriteIntoTheme(const fs::path& theme, const std::string& name, std::span<const std::uint8_t> cursor) {
    std::error_code error;
    const fs::path index = theme / "index.theme";
    const std::string indexText = ThemeIndex(theme);
    // The folder being built cleans up after itself only if it is not cut short.
    const iconfile::BlockedTerminationSignals held;
    if (!fs::exists(fs::symlink_status(theme, error))) {
        // The folders that hold themes (~/.icons) are made as they would be for any theme.
        if (const fs::path parent = theme.parent_path(); !parent.empty() && !fs::create_directories(parent, error) && error)
            return FileFailureText(parent.string(), iconfile::FileOutcome::FromErrno("", error.value()).reason());
        OutputFolder folder(theme.string());
        return FirstFailure({[&] { return folder.Create(); }, [&] { return folder.MakeFolder("cursors"); },
                             [&] { return folder.WriteFile("cursors/" + name, cursor); },
                             [&] { return folder.WriteFile("index.theme", BytesOf(indexText)); },
                             [&] { return folder.Commit(false); }});
    }
    if (!fs::exists(fs::symlink_status(index, error))) {
        if (iconfile::FileOutcome written = WriteWholeFile(index.string(), BytesOf(indexText)); !written.succeeded())
            return Failure(written);
    }
    const fs::path cursors = theme / "cursors";
    if (!fs::exists(fs::symlink_status(cursors, error))) {
        OutputFolder folder(cursors.string());
        return FirstFailure({[&] { return folder.Create(); }, [&] { return folder.WriteFile(name, cursor); },
                             [&] { return folder.Commit(false); }});
    }
    const iconfile::FileOutcome written = WriteWholeFile((cursors / name).string(), cursor);
    return written.succeeded() ? std::string() : Failure(written);
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
        (name && (name->empty() || *name == "." || *name == ".." || name->find('/') != std::string::npos)))
        return console.Fail(ThemeNameText());

    animace::FileByteSource source;
    if (const iconfile::FileOutcome opened = source.Open(input); !opened.succeeded())
        return console.Fail(FileFailureText(input, opened.reason()));
    std::array<std::uint8_t, 4> start{};
    const bool riff = source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0;
    std::variant<MadeImages, std::string> made = riff ? AnimatedImages(input, source) : CursorImages(input);
    if (const std::string* refusal = std::get_if<std::string>(&made)) return console.Fail(*refusal);
    const Images& images = std::get<MadeImages>(made).images;

    const std::string output = theme ? (fs::path(*theme) / "cursors" / *name).string()
                               : parsed->Value("-o") ? *parsed->Value("-o")
                                                     : fs::path(input).replace_extension("").string();
    if (SameExistingFile(input, output)) return console.Fail(OutputIsInputText(output));
    if (std::string refusal = RefusedOutput(output, parsed->Has("--force")); !refusal.empty()) return console.Fail(refusal);

    const std::optional<std::vector<std::uint8_t>> bytes = XcursorFileBytes(*images);
    if (!bytes) return console.Fail(FileFailureText(output, iconfile::FileOutcome::FromErrno(output, ENOMEM).reason()));
    if (theme) {
        if (std::string failure = WriteIntoTheme(*theme, *name, *bytes); !failure.empty()) return console.Fail(failure);
    } else if (const iconfile::FileOutcome written = WriteWholeFile(output, *bytes); !written.succeeded()) {
        return console.Fail(FileFailureText(written.path(), written.reason()));
    }
    if (const std::uint64_t inverted = std::get<MadeImages>(made).invertedPixels; inverted != 0)
        console.err << "kurzory: " << InvertedPixelsText(input, inverted) << '\n';
    return 0;
}

}  // namespace kurzory
