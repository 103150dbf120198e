// kurzory ani: the animated cursor the wizard writes for the same frames, sequence and times.
#include <cerrno>

#include "animace/number_text.h"
#include "animace/writer/animated_cursor_writer.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "kurzory/output_file.h"

namespace kurzory {
namespace {

constexpr int kDefaultTwentieths = 20;

std::vector<std::string> SplitTimes(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The frame's refusal line, or an empty text when the picker would take it.
std::string FrameRefusal(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::status(path, error)))
        return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, ENOENT).reason());
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(path);
    if (directory.status == iconfile::DirectoryRead::ReadFailed)
        return FileFailureText(path, iconfile::FileOutcome::FromErrno(path, EACCES).reason());
    return iconfile::IsOneImageCursor(directory) ? std::string() : NotOneImageCursorText(path);
}

}  // namespace

int RunAni(Words words, const Console& console) {
    static const OptionSpec options[] = {{"-o", true}, {"--sequence", true}, {"--times", true}, {"--force", false}};
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
        for (const std::string& part : SplitTimes(*text)) {
            const std::optional<int> twentieths = animace::TwentiethsFromSecondsText(part);
            if (!twentieths) return console.Fail(TimeText(part));
            times.push_back(*twentieths);
        }
    }
    if (times.size() != 1 && times.size() != input.steps.size()) return console.Fail(TimeCountText(input.steps.size()));
    for (std::size_t step = 0; step < input.steps.size(); ++step)
        input.steps[step].twentieths = times.size() == 1 ? times.front() : times[step];

    for (const std::string& frame : input.frames) {
        if (std::string refusal = FrameRefusal(frame); !refusal.empty()) return console.Fail(refusal);
        if (SameExistingFile(*output, frame)) return console.Fail(OutputIsFrameText(*output));
    }
    if (std::string refusal = RefusedOutput(*output, parsed->Has("--force")); !refusal.empty())
        return console.Fail(refusal);

    // The writer fills a new file beside the output, which replaces it only once complete and on the disk.
    std::string failure;
    std::string failedFrame;
    const animace::WriteOutcome outcome = animace::WriteAnimatedCursor(
        input, *output, [] { return animace::OverwriteAnswer::Yes; },
        [&](const std::string& reason, const std::string&, const std::string& frameLine) {
            failure = reason;
            failedFrame = frameLine;
            return animace::FailureAnswer::Cancel;
        });
    if (outcome == animace::WriteOutcome::TooLarge) return console.Fail(TooLargeText(*output));
    if (outcome == animace::WriteOutcome::OutputIsFrame) return console.Fail(OutputIsFrameText(*output));
    if (outcome != animace::WriteOutcome::Written) {
        const bool frameUnreadable = !failedFrame.empty() && !FrameRefusal(failedFrame).empty();
        return console.Fail(FileFailureText(frameUnreadable ? failedFrame : *output, failure));
    }
    return 0;
}

}  // namespace kurzory
