#include "animace/reader/animated_cursor_problems.h"

#include <algorithm>

namespace animace {
namespace {

// gdk-pixbuf refuses more frames or steps than this, and none.
constexpr std::uint64_t kMostPixbufEntries = 1023;

// What the sequence chunk says, gathered while streaming it.
struct SequenceSummary {
    bool identity = true;   // step i shows frame i for every step
    bool ascending = true;  // every step shows a later frame than the one before
    bool beyondFrames = false;
    bool firstIsFrameZero = true;
};

bool Summarize(ByteSource& source, const AnimatedCursorLayout& layout, std::uint64_t frames, SequenceSummary& summary) {
    std::uint64_t previous = 0;
    return ForEachStep(source, layout, [&](const StepEntry& step) {
        if (step.frame != step.index) summary.identity = false;
        if (step.index > 0 && step.frame <= previous) summary.ascending = false;
        if (step.frame >= frames) summary.beyondFrames = true;
        if (step.index == 0 && step.frame != 0) summary.firstIsFrameZero = false;
        previous = step.frame;
        return true;
    });
}

}  // namespace

int ProblemReport::ExitStatus() const {
    if (!readable) return 2;
    int status = 0;
    for (const CursorProblem& problem : problems)
        status = std::max(status, problem.effect == LoaderEffect::Copes ? 1 : 2);
    return status;
}

ProblemReport FindProblems(ByteSource& source, const AnimatedCursorLayout& layout) {
    ProblemReport report;
    if (!layout.isAnimatedCursor || !layout.headerChunk) return report;
    const AnimatedCursorHeader& header = layout.header;
    const std::uint64_t frames = std::min<std::uint64_t>(header.frames, layout.frameChunks);
    SequenceSummary sequence;
    if (layout.sequenceChunk && !Summarize(source, layout, frames, sequence)) return report;
    report.readable = true;

    auto add = [&](ProblemKind kind, CursorLoader loader, LoaderEffect effect) {
        report.problems.push_back({kind, loader, effect});
    };
    using enum ProblemKind;
    using enum CursorLoader;
    using enum LoaderEffect;
    const bool stepsDiffer = header.steps != header.frames;

    if (layout.sequenceChunk && (header.flags & kFlagSequence) == 0) {
        add(SequenceFlagMissing, Wine, sequence.identity && !stepsDiffer ? Copes : Misplays);
        if (stepsDiffer) add(SequenceFlagMissing, GdkPixbuf, Refuses);
    }
    const std::uint64_t listBytes = 4 * std::uint64_t{header.steps};
    if (layout.rateChunk && layout.rateChunk->declaredSize != listBytes) add(RateSizeWrong, GdkPixbuf, Refuses);
    if (layout.sequenceChunk && layout.sequenceChunk->declaredSize != listBytes)
        add(SequenceSizeWrong, GdkPixbuf, Refuses);
    if (sequence.beyondFrames) add(SequenceBeyondFrames, GdkPixbuf, Refuses);
    if (header.frames == 0 || header.frames > kMostPixbufEntries) add(FrameCountOutOfRange, GdkPixbuf, Refuses);
    if (header.steps == 0 || header.steps > kMostPixbufEntries) add(StepCountOutOfRange, GdkPixbuf, Refuses);
    if (layout.headerChunk->declaredSize != 36 || header.size != 36) add(HeaderSizeWrong, Kde, Refuses);
    if (layout.headerChunk->declaredSize != 36) add(HeaderSizeWrong, GdkPixbuf, Refuses);
    if (layout.frameChunks != header.frames) add(FrameChunksDifferFromCount, Kde, Refuses);
    if (layout.frameChunks > header.frames) add(FrameChunksDifferFromCount, GdkPixbuf, Refuses);
    if (stepsDiffer && (!layout.sequenceChunk || sequence.ascending)) add(StepsDifferWithoutOrder, Kde, Refuses);
    const std::uint64_t riffEnd = 8 + std::uint64_t{layout.riffSize};
    if (riffEnd != layout.fileLength && riffEnd + (layout.riffSize & 1u) != layout.fileLength)
        add(RiffSizeWrong, Wine, Copes);
    if (layout.chunkPassesEnd) add(ListSizeWrong, Wine, Copes);
    if (layout.infoListBeforeHeader) add(InfoBeforeHeader, GdkPixbuf, Refuses);
    if (layout.oddChunkOffset) add(OddChunk, Wine, Misplays);
    if (layout.sequenceChunk && !sequence.firstIsFrameZero) add(FirstStepNotFirstFrame, Kde, Misplays);
    return report;
}

}  // namespace animace
