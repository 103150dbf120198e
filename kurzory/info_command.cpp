// kurzory info: what an icon, cursor or animated cursor holds, and what keeps an animated cursor
// from playing the same in every loader.
#include <algorithm>
#include <array>
#include <cstring>

#include "animace/reader/animated_cursor_problems.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "iconfile/image_check.h"
#include "kurzory/arguments.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"
#include "skiren/hot_spot.h"

namespace kurzory {
namespace {

std::string FlagsText(std::uint32_t flags) {
    std::string text = std::to_string(flags);
    std::vector<std::string> meanings;
    if ((flags & animace::kFlagIcon) != 0) meanings.emplace_back("snímky jsou ikony");
    if ((flags & animace::kFlagSequence) != 0) meanings.emplace_back("platí pořadí „seq “");
    for (std::size_t i = 0; i < meanings.size(); ++i) text += (i == 0 ? " (" : ", ") + meanings[i];
    return meanings.empty() ? text : text + ")";
}

// Every image of a frame that is a sound cursor; nothing for any other frame.
std::vector<iconfile::CheckedImage> FrameImages(animace::ByteSource& source, const animace::FrameEntry& frame) {
    if (!frame.headerRead || frame.length > iconfile::kLargestIconFile) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frame.length));
    if (!source.ReadAt(frame.dataOffset, bytes)) return {};
    iconfile::CheckedIconFile checked = iconfile::CheckIconBytes(bytes);
    return checked.sound() ? std::move(checked.images) : std::vector<iconfile::CheckedImage>();
}

int DescribeAnimatedCursor(const std::string& path, animace::ByteSource& source, const Console& console) {
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    const animace::ProblemReport report = animace::FindProblems(source, layout);
    if (!report.readable) {
        console.Fail(NotAnimatedCursorText(path));
        return 2;
    }
    std::ostream& out = console.out;
    const animace::AnimatedCursorHeader& header = layout.header;
    out << iconfile::ShownFileName(path) << ": animovaný kurzor, " << layout.fileLength << " bajtů\n";
    out << "  snímky: " << layout.frameChunks << " (v hlavičce " << header.frames << ")\n";
    out << "  kroky: " << layout.PlayableSteps() << " (v hlavičce " << header.steps << ")\n";
    out << "  příznaky: " << FlagsText(header.flags) << '\n';
    if (!layout.rateChunk) out << "  doba každého kroku z hlavičky: " << JiffiesInSeconds(header.rate) << '\n';
    const bool framesRead = animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        out << "  snímek " << frame.index + 1 << ": ";
        const std::vector<iconfile::CheckedImage> sizes = FrameImages(source, frame);
        if (!frame.headerRead) {
            out << "neúplný, ";
        } else if (sizes.size() > 1) {
            out << sizes.size() << (sizes.size() < 5 ? " velikosti: " : " velikostí: ");
            for (const iconfile::CheckedImage& image : sizes)
                out << image.width << " × " << image.height << " bodů s aktivním bodem " << image.entry.hotSpotX() << ", "
                    << image.entry.hotSpotY() << "; ";
        } else {
            out << frame.width << " × " << frame.height << " bodů, aktivní bod " << frame.hotSpotX << ", "
                << frame.hotSpotY << ", ";
        }
        out << frame.length << " bajtů\n";
        return true;
    });
    const bool stepsRead = animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
        out << "  krok " << step.index + 1 << ": snímek " << std::uint64_t{step.frame} + 1 << ", "
            << JiffiesInSeconds(step.jiffies) << '\n';
        return true;
    });
    if (!framesRead || !stepsRead) {
        console.Fail(FileFailureText(path, iconfile::FileOutcome::FromErrno(path, EIO).reason()));
        return 2;
    }
    if (report.problems.empty()) out << "  problémy: žádné\n";
    for (const animace::CursorProblem& problem : report.problems) out << "  problém: " << ProblemText(problem) << '\n';
    return report.ExitStatus();
}

int DescribeIconFile(const std::string& path, const Console& console) {
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(path);
    const iconfile::IconDirectory& directory = checked.directory;
    if (!directory.header || !directory.isIconOrCursor()) {
        console.Fail(UnknownFileKindText(path));
        return 2;
    }
    const bool cursor = directory.isCursor();
    std::ostream& out = console.out;
    out << iconfile::ShownFileName(path) << ": " << (cursor ? "kurzor" : "ikona") << ", obrázků " << directory.header->imageCount << '\n';
    int index = 1;
    for (const iconfile::IconDirEntry& entry : directory.entries) {
        out << "  obrázek " << index++ << ": " << skiren::IconSizeFromByte(entry.width) << " × "
            << skiren::IconSizeFromByte(entry.height) << " bodů, ";
        if (entry.colorCount != 0) out << int{entry.colorCount} << " barev";
        else if (!cursor && entry.bitCount != 0) out << entry.bitCount << " bitů na bod";
        else out << "256 a více barev";
        if (cursor) out << ", aktivní bod " << entry.hotSpotX() << ", " << entry.hotSpotY();
        out << ", " << entry.imageSize << " bajtů\n";
    }
    if (!checked.sound()) {
        console.Fail(FileFailureText(path, iconfile::FaultText(checked)));
        return 2;
    }
    return 0;
}

int DescribeFile(const std::string& path, const Console& console) {
    animace::FileByteSource source;
    if (const iconfile::FileOutcome opened = source.Open(path); !opened.succeeded()) {
        console.Fail(FileFailureText(path, opened.reason()));
        return 2;
    }
    std::array<std::uint8_t, 4> start{};
    if (source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0)
        return DescribeAnimatedCursor(path, source, console);
    return DescribeIconFile(path, console);
}

}  // namespace

int RunInfo(Words words, const Console& console) {
    int status = 0;
    const std::optional<ParsedArguments> parsed = ParseCommand(words, {}, InfoHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.empty()) return console.Fail(NoFilesText());
    for (const std::string& path : parsed->paths) status = std::max(status, DescribeFile(path, console));
    return status;
}

}  // namespace kurzory
