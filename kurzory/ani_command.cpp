// kurzory ani: the animated cursor the wizard writes for the same frames, sequence and times.
#include <QDir>
#include <algorithm>
#include <cerrno>

#include "animace/number_text.h"
#include "animace/writer/animated_cursor_writer.h"
#include "desktop/private_temp_folder.h"
#include "iconfile/file_operations.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"
#include "kurzory/arguments.h"
#include "kurzory/input_file.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/hot_spot_choice.h"
#include "kurzory/output_file.h"
#include "kurzory/png_picture.h"
#include "kurzory/text_lines.h"
#include "kurzory/picture_sizes.h"

namespace kurzory {
namespace {

constexpr int kDefaultTwentieths = 20;

// A frame as given: a cursor of one or more sizes, or a PNG picture made into a cursor here.
struct Frame {
    std::vector<PictureSize> sizes;
    std::optional<iconfile::RgbaPicture> picture;  // a PNG's
};

// The frame's refusal line, or an empty text when it is a sound cursor or a square PNG.
std::string ReadFrame(const std::string& path, Frame& frame) {
    if (std::string refusal = UnreadableInput(path); !refusal.empty()) return refusal;
    if (IsPngFile(path)) {
        auto read = ReadSquarePng(path);
        if (const std::string* refusal = std::get_if<std::string>(&read)) return *refusal;
        frame.picture = std::move(std::get<iconfile::RgbaPicture>(read));
        frame.sizes = {{frame.picture->width, frame.picture->height}};
        return {};
    }
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(path);
    if (checked.directory.isCursor() && !checked.sound()) return FileFailureText(path, iconfile::FaultText(checked));
    if (!checked.directory.opened() || !checked.directory.isCursor()) return NotCursorFrameText(path);
    frame.sizes = SizesOf(checked);
    return {};
}

// The hot spot of every PNG frame (nothing for a cursor), or a refusal line in `refusal`.
std::vector<std::optional<HotSpot>> PngHotSpots(const std::vector<std::string>& paths, const std::vector<Frame>& frames,
                                                const ParsedArguments& parsed, std::string& refusal) {
    const std::vector<std::string> texts = parsed.Values("--hotspot");
    const bool anyPng = std::any_of(frames.begin(), frames.end(), [](const Frame& f) { return f.picture.has_value(); });
    if (!anyPng) {
        if (!texts.empty()) refusal = HotSpotOnlyForPngText();
        return {};
    }
    if (texts.empty()) refusal = OptionNeededText("--hotspot");
    const std::optional<HotSpotChoice> choice = ParseHotSpotChoice(texts, refusal);
    if (!choice || !refusal.empty()) return {};
    std::vector<std::optional<HotSpot>> spots(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!frames[i].picture) continue;
        const auto found = HotSpotsFor(*choice, frames[i].sizes, {paths[i]});
        if (const std::string* outside = std::get_if<std::string>(&found)) {
            refusal = *outside;
            return {};
        }
        spots[i] = std::get<std::vector<HotSpot>>(found).front();
    }
    return spots;
}

// Writes each PNG frame as a one-image cursor into `scratch` and gives the paths the writer copies
// the frames from; a failure line in `failure`.
std::vector<std::string> FramePaths(const std::vector<std::string>& given, const std::vector<Frame>& frames,
                                    const std::vector<std::optional<HotSpot>>& spots,
                                    const desktop::PrivateTempFolder& scratch,
                                    std::string& failure) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (!frames[i].picture) {
            paths.push_back(given[i]);
            continue;
        }
        const iconfile::CursorPicture picture[1] = {{*frames[i].picture, spots[i]->first, spots[i]->second}};
        paths.push_back(scratch.filePath(QStringLiteral("snimek%1.cur").arg(i + 1)).toStdString());
        const iconfile::FileOutcome written = WriteWholeFile(paths.back(), iconfile::EncodeCursor(picture));
        if (!written.succeeded()) {
            failure = FileFailureText(written.path(), written.reason());
            return {};
        }
    }
    return paths;
}

}  // namespace

int RunAni(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true},       {"--sequence", true}, {"--times", true},
                                         {"--force", false}, {"--hotspot", true, true}};
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, AniHelp(), console, status);
    if (!parsed) return status;
    const std::string* output = parsed->Value("-o");
    if (!output) return console.Fail(OptionNeededText("-o"));
    animace::Animation input;
    input.frames = parsed->paths;
    if (input.frames.size() < 2) return console.Fail(FrameCountText());

    std::vector<long long> sequence;
    if (const std::string* text = parsed->Value("--sequence")) {
        const auto numbers = NumberList(*text);
        if (!numbers) return console.Fail(SequenceText(*text));
        sequence = *numbers;
    } else {
        for (std::size_t frame = 1; frame <= input.frames.size(); ++frame) sequence.push_back(static_cast<long long>(frame));
    }
    for (long long entry : sequence) {
        if (entry > static_cast<long long>(input.frames.size()))
            return console.Fail(SequenceBeyondFramesText(entry, input.frames.size()));
        input.steps.push_back({static_cast<int>(entry - 1), kDefaultTwentieths});
    }
    if (input.steps.size() < 2) return console.Fail(StepCountText());

    std::vector<int> times{kDefaultTwentieths};
    if (const std::string* text = parsed->Value("--times")) {
        times.clear();
        for (std::string_view part : SplitAtCommas(*text)) {
            const std::optional<int> twentieths = animace::TwentiethsFromSecondsText(part);
            if (!twentieths) return console.Fail(TimeText(std::string(part)));
            times.push_back(*twentieths);
        }
    }
    if (times.size() != 1 && times.size() != input.steps.size()) return console.Fail(TimeCountText(input.steps.size()));
    for (std::size_t step = 0; step < input.steps.size(); ++step)
        input.steps[step].twentieths = times.size() == 1 ? times.front() : times[step];

    const std::vector<std::string> given = input.frames;
    std::vector<Frame> frames(given.size());
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (std::string refusal = ReadFrame(given[i], frames[i]); !refusal.empty()) return console.Fail(refusal);
        if (SameExistingFile(*output, given[i])) return console.Fail(OutputIsFrameText(*output));
        // Loaders pick one size for the whole animation: a frame without it would jump in size.
        if (frames[i].sizes != frames.front().sizes)
            return console.Fail(FrameSizesText(given[i], std::nullopt, SizesText(frames[i].sizes),
                                               SizesText(frames.front().sizes)));
    }
    std::string refusal;
    const std::vector<std::optional<HotSpot>> spots = PngHotSpots(given, frames, *parsed, refusal);
    if (!refusal.empty()) return console.Fail(refusal);
    if (refusal = RefusedOutput(*output, parsed->Has("--force")); !refusal.empty()) return console.Fail(refusal);
    const desktop::PrivateTempFolder scratch;
    if (!spots.empty() && !scratch.isValid())
        return console.Fail(FileFailureText(QDir::tempPath().toStdString(), iconfile::FileOutcome::FromErrno("", errno).reason()));
    input.frames = FramePaths(given, frames, spots, scratch, refusal);
    if (!refusal.empty()) return console.Fail(refusal);

    // The writer fills a new file beside the output, which replaces it only once complete and on the disk.
    std::string failure;
    std::string failedFile;
    iconfile::SystemFileOperations files;
    const animace::WriteOutcome outcome = animace::WriteAnimatedCursor(
        input, *output, [] { return animace::OverwriteAnswer::Yes; },
        [&](const std::string& reason, const std::string&, const std::string&) {
            failure = reason;
            return animace::FailureAnswer::Cancel;
        },
        files, &failedFile);
    if (outcome == animace::WriteOutcome::TooLarge) return console.Fail(TooLargeText(*output));
    if (outcome == animace::WriteOutcome::OutputIsFrame) return console.Fail(OutputIsFrameText(*output));
    if (outcome != animace::WriteOutcome::Written) {
        // The failing frame is named as the user gave it, also one made of a PNG.
        const auto frame = std::find(input.frames.begin(), input.frames.end(), failedFile);
        return console.Fail(FileFailureText(
            frame != input.frames.end() ? given[static_cast<std::size_t>(frame - input.frames.begin())] : failedFile, failure));
    }
    return 0;
}

}  // namespace kurzory
