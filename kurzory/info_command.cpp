// kurzory info: what an icon, cursor or animated cursor holds, and what each loader (Wine's
// user32, gdk-pixbuf, KDE) will do with it; as Czech text or, with --json, one JSON object per file.
#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>

#include "animace/reader/loader_verdicts.h"
#include "iconfile/file_outcome.h"
#include "iconfile/icon_directory.h"
#include "iconfile/image_check.h"
#include "kurzory/arguments.h"
#include "kurzory/json_text.h"
#include "kurzory/messages.h"
#include "kurzory/subcommands.h"
#include "skiren/hot_spot.h"

namespace kurzory {
namespace {

using animace::CursorLoader;

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

// The file's description: the text lines, or the JSON members after "status".
struct Report {
    const std::string& path;
    bool json;
    std::ostream& out;
    std::string members;  // JSON: ", \"key\": value" pieces
};

void PrintVerdicts(Report& report, const std::string& kind, const animace::FileVerdicts& verdicts) {
    if (!report.json) {
        for (animace::Irregularity irregularity : verdicts.irregularities)
            report.out << "  nepravidelnost: " << IrregularityText(irregularity) << '\n';
        for (CursorLoader loader : animace::kCursorLoaders)
            report.out << "  " << LoaderVerdictText(loader, verdicts.Of(loader)) << '\n';
        return;
    }
    std::ostream& out = report.out;
    out << "{\"file\": " << JsonQuoted(report.path) << ", \"kind\": \"" << kind << "\", \"readable\": "
        << (verdicts.readable ? "true" : "false") << ", \"loaders\": {";
    bool first = true;
    for (CursorLoader loader : animace::kCursorLoaders) {
        const animace::LoaderVerdict& verdict = verdicts.Of(loader);
        out << (first ? "" : ", ") << '"' << LoaderKey(loader) << "\": {\"verdict\": \"" << VerdictWord(verdict.verdict)
            << "\", \"problems\": [";
        std::vector<std::string> problems;
        for (animace::LoaderNote note : verdict.notes) problems.push_back(LoaderNoteText(note));
        if (verdict.verdict == animace::Verdict::Copes)
            for (animace::Irregularity irregularity : verdicts.irregularities)
                problems.push_back(IrregularityText(irregularity));
        for (std::size_t i = 0; i < problems.size(); ++i) out << (i == 0 ? "" : ", ") << JsonQuoted(problems[i]);
        out << "]}";
        first = false;
    }
    out << "}, \"status\": " << verdicts.ExitStatus() << report.members << "}\n";
}

int DescribeAnimatedCursor(Report& report, animace::ByteSource& source, const Console& console) {
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    const animace::FileVerdicts verdicts = animace::JudgeAnimatedCursor(source, layout);
    if (!verdicts.readable) {
        console.Fail(NotAnimatedCursorText(report.path));
        if (report.json) PrintVerdicts(report, "ani", verdicts);
        return 2;
    }
    std::ostringstream frames, steps;
    const animace::AnimatedCursorHeader& header = layout.header;
    const bool framesRead = animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        const std::vector<iconfile::CheckedImage> sizes = FrameImages(source, frame);
        if (report.json) {
            frames << (frame.index == 0 ? "" : ", ") << "{\"bytes\": " << frame.length;
            if (frame.headerRead)
                frames << ", \"width\": " << frame.width << ", \"height\": " << frame.height << ", \"hotspot\": ["
                       << frame.hotSpotX << ", " << frame.hotSpotY << "]";
            frames << ", \"sizes\": [";
            for (std::size_t i = 0; i < sizes.size(); ++i)
                frames << (i == 0 ? "" : ", ") << "{\"width\": " << sizes[i].width << ", \"height\": " << sizes[i].height
                       << ", \"hotspot\": [" << sizes[i].entry.hotSpotX() << ", " << sizes[i].entry.hotSpotY() << "]}";
            frames << "]}";
            return true;
        }
        frames << "  snímek " << frame.index + 1 << ": ";
        if (!frame.headerRead) {
            frames << "neúplný, ";
        } else if (sizes.size() > 1) {
            frames << sizes.size() << (sizes.size() < 5 ? " velikosti: " : " velikostí: ");
            for (const iconfile::CheckedImage& image : sizes)
                frames << image.width << " × " << image.height << " bodů s aktivním bodem " << image.entry.hotSpotX()
                       << ", " << image.entry.hotSpotY() << "; ";
        } else {
            frames << frame.width << " × " << frame.height << " bodů, aktivní bod " << frame.hotSpotX << ", "
                   << frame.hotSpotY << ", ";
        }
        frames << frame.length << " bajtů\n";
        return true;
    });
    const bool stepsRead = animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
        if (report.json)
            steps << (step.index == 0 ? "" : ", ") << "{\"frame\": " << std::uint64_t{step.frame} + 1
                  << ", \"jiffies\": " << step.jiffies << "}";
        else
            steps << "  krok " << step.index + 1 << ": snímek " << std::uint64_t{step.frame} + 1 << ", "
                  << JiffiesInSeconds(step.jiffies) << '\n';
        return true;
    });
    if (!framesRead || !stepsRead) {
        console.Fail(FileFailureText(report.path, iconfile::FileOutcome::FromErrno(report.path, EIO).reason()));
        if (report.json) PrintVerdicts(report, "ani", animace::FileVerdicts{});
        return 2;
    }
    std::ostream& out = report.out;
    if (report.json) {
        std::ostringstream members;
        members << ", \"bytes\": " << layout.fileLength << ", \"declared_frames\": " << header.frames
                << ", \"declared_steps\": " << header.steps << ", \"flags\": " << header.flags
                << ", \"default_jiffies\": " << header.rate << ", \"frames\": [" << frames.str() << "], \"steps\": ["
                << steps.str() << "]";
        report.members = members.str();
    } else {
        out << iconfile::ShownFileName(report.path) << ": animovaný kurzor, " << layout.fileLength << " bajtů\n";
        out << "  snímky: " << layout.frameChunks << " (v hlavičce " << header.frames << ")\n";
        out << "  kroky: " << layout.PlayableSteps() << " (v hlavičce " << header.steps << ")\n";
        out << "  příznaky: " << FlagsText(header.flags) << '\n';
        if (!layout.rateChunk) out << "  doba každého kroku z hlavičky: " << JiffiesInSeconds(header.rate) << '\n';
        out << frames.str() << steps.str();
    }
    PrintVerdicts(report, "ani", verdicts);
    return verdicts.ExitStatus();
}

int DescribeIconFile(Report& report, animace::ByteSource& source, const Console& console) {
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(report.path);
    const iconfile::IconDirectory& directory = checked.directory;
    const bool cursor = directory.isCursor();
    const std::string kind = cursor ? "cur" : "ico";
    if (!directory.header || !directory.isIconOrCursor()) {
        console.Fail(UnknownFileKindText(report.path));
        if (report.json) PrintVerdicts(report, kind, animace::FileVerdicts{});
        return 2;
    }
    animace::FileVerdicts verdicts = animace::JudgeIconFile(source);
    std::ostream& out = report.out;
    std::ostringstream images;
    if (!report.json)
        out << iconfile::ShownFileName(report.path) << ": " << (cursor ? "kurzor" : "ikona") << ", obrázků "
            << directory.header->imageCount << '\n';
    int index = 1;
    for (const iconfile::IconDirEntry& entry : directory.entries) {
        const int width = skiren::IconSizeFromByte(entry.width), height = skiren::IconSizeFromByte(entry.height);
        if (report.json) {
            images << (index++ == 1 ? "" : ", ") << "{\"width\": " << width << ", \"height\": " << height
                   << ", \"bytes\": " << entry.imageSize;
            if (cursor) images << ", \"hotspot\": [" << entry.hotSpotX() << ", " << entry.hotSpotY() << "]";
            images << "}";
            continue;
        }
        out << "  obrázek " << index++ << ": " << width << " × " << height << " bodů, ";
        if (entry.colorCount != 0) out << int{entry.colorCount} << " barev";
        else if (!cursor && entry.bitCount != 0) out << entry.bitCount << " bitů na bod";
        else out << "256 a více barev";
        if (cursor) out << ", aktivní bod " << entry.hotSpotX() << ", " << entry.hotSpotY();
        out << ", " << entry.imageSize << " bajtů\n";
    }
    // A file whose images are cut off or lie about themselves cannot be read, whatever each
    // loader makes of it.
    if (!checked.sound()) verdicts.readable = false;
    if (report.json) report.members = ", \"images\": [" + images.str() + "]";
    PrintVerdicts(report, kind, verdicts);
    if (!checked.sound()) console.Fail(FileFailureText(report.path, iconfile::FaultText(checked)));
    return verdicts.ExitStatus();
}

int DescribeFile(const std::string& path, bool json, const Console& console) {
    Report report{path, json, console.out, {}};
    animace::FileByteSource source;
    if (const iconfile::FileOutcome opened = source.Open(path); !opened.succeeded()) {
        console.Fail(FileFailureText(path, opened.reason()));
        if (json) PrintVerdicts(report, path.ends_with(".ani") ? "ani" : path.ends_with(".cur") ? "cur" : "ico", {});
        return 2;
    }
    std::array<std::uint8_t, 4> start{};
    if (source.ReadAt(0, start) && std::memcmp(start.data(), "RIFF", 4) == 0)
        return DescribeAnimatedCursor(report, source, console);
    return DescribeIconFile(report, source, console);
}

}  // namespace

int RunInfo(Words words, const Console& console) {
    int status = 0;
    static const OptionSpec options[] = {{"--json", false}};
    const std::optional<ParsedArguments> parsed = ParseCommand(words, options, InfoHelp(), console, status);
    if (!parsed) return status;
    if (parsed->paths.empty()) return console.Fail(NoFilesText());
    const bool json = parsed->Has("--json");
    for (const std::string& path : parsed->paths) status = std::max(status, DescribeFile(path, json, console));
    return status;
}

}  // namespace kurzory
