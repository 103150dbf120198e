#include "animace/reader/loader_verdicts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "animace/reader/gdk_pixbuf_model.h"
#include "animace/reader/kde_ani_model.h"
#include "animace/reader/wine_user32_model.h"

namespace animace {
namespace {

bool TimesMatch(double shown, double intended) {
    // Within 1.5 ms, or the loader's own rounding of jiffies down to whole milliseconds.
    return std::abs(shown - intended) <= 1.5 || std::floor(shown) == std::floor(intended);
}

std::vector<Irregularity> FindIrregularities(const AnimatedCursorLayout& layout) {
    std::vector<Irregularity> found;
    auto add = [&](bool present, Irregularity irregularity) {
        if (present) found.push_back(irregularity);
    };
    const AnimatedCursorHeader& header = layout.header;
    const std::uint64_t riffEnd = 8 + std::uint64_t{layout.riffSize};
    add(riffEnd != layout.fileLength && riffEnd + (layout.riffSize & 1u) != layout.fileLength,
        Irregularity::RiffSizeDiffers);
    add(header.size != 36 || layout.headerChunk->declaredSize != 36, Irregularity::HeaderSizeNot36);
    add(header.frames != layout.frameChunks, Irregularity::FrameCountDiffers);
    add(((header.flags & kFlagSequence) != 0) != layout.sequenceChunk.has_value(), Irregularity::SequenceFlagDisagrees);
    const std::uint64_t listBytes = 4 * std::uint64_t{header.steps};
    add((layout.sequenceChunk && layout.sequenceChunk->declaredSize != listBytes) ||
            (layout.rateChunk && layout.rateChunk->declaredSize != listBytes),
        Irregularity::ListLengthDiffers);
    add(layout.repeatedChunk, Irregularity::RepeatedChunk);
    add(layout.frameChunkOutsideList, Irregularity::FrameChunkOutsideList);
    add(layout.foreignChunkInFrameList, Irregularity::ForeignChunkInFrameList);
    return found;
}

// The steps by the file's own fields: nSteps steps, each showing seq[i] with flag bit 2 and a
// "seq " chunk (otherwise frame i), for rate[i] with a "rate" chunk (otherwise the default rate).
// What the fields leave open stays unknown.
std::vector<ReferenceStep> IntendedSteps(ByteSource& source, const AnimatedCursorLayout& layout, bool& open) {
    const AnimatedCursorHeader& header = layout.header;
    const bool sequenced = (header.flags & kFlagSequence) != 0 && layout.sequenceChunk;
    const std::uint64_t steps = std::min<std::uint64_t>(header.steps, kMostModelledSteps);
    std::vector<ReferenceStep> intended(steps);
    // Frames a cut file lost are still the ones it intends.
    const std::uint64_t intendedFrames = std::max<std::uint64_t>(layout.frameChunks, layout.chunkPassesEnd ? header.frames : 0);
    for (std::uint64_t i = 0; i < steps; ++i) {
        ReferenceStep& step = intended[i];
        std::optional<std::int64_t> frame = static_cast<std::int64_t>(i);
        if (sequenced) {
            frame.reset();
            if (4 * i + 4 <= layout.sequenceChunk->availableSize)
                if (const std::optional<std::uint32_t> entry = U32At(source, layout.sequenceChunk->dataOffset() + 4 * i))
                    frame = *entry;
        }
        if (frame && static_cast<std::uint64_t>(*frame) < intendedFrames) step.frame = frame;
        if (!layout.rateChunk) step.milliseconds = JiffiesInMilliseconds(header.rate);
        else if (4 * i + 4 <= layout.rateChunk->availableSize)
            if (const std::optional<std::uint32_t> rate = U32At(source, layout.rateChunk->dataOffset() + 4 * i))
                step.milliseconds = JiffiesInMilliseconds(*rate);
        open = open || !step.frame || !step.milliseconds;
    }
    return intended;
}

// The fields contradict each other about what to play: Wine's reading decides.
bool FieldsContradict(const AnimatedCursorLayout& layout) {
    const AnimatedCursorHeader& header = layout.header;
    return ((header.flags & kFlagSequence) != 0) != layout.sequenceChunk.has_value() ||
           (header.frames != layout.frameChunks && !layout.chunkPassesEnd) || layout.repeatedChunk ||
           layout.frameChunkOutsideList ||
           layout.headerChunk->declaredSize < 36 || layout.riffEndsInsideChunk;
}

LoaderVerdict Judge(const LoaderPlay& play, const std::vector<ReferenceStep>& reference, bool irregular) {
    LoaderVerdict verdict{Verdict::Plays, play.notes};
    if (play.outcome == LoaderOutcome::Refuses) verdict.verdict = Verdict::Refuses;
    else if (play.outcome == LoaderOutcome::Crashes) verdict.verdict = Verdict::Crashes;
    else if (!PlaysAsIntended(play.steps, reference)) verdict.verdict = Verdict::Misplays;
    else if (irregular || !play.notes.empty()) verdict.verdict = Verdict::Copes;
    return verdict;
}

}  // namespace

bool PlaysAsIntended(const std::vector<ShownStep>& shown, const std::vector<ReferenceStep>& reference) {
    std::vector<ReferenceStep> timed;
    for (const ReferenceStep& step : reference)
        if (!step.milliseconds || *step.milliseconds > 0) timed.push_back(step);
    if (timed.empty()) return true;
    std::vector<ShownStep> visible;
    for (const ShownStep& step : shown)
        if (step.milliseconds > 0) visible.push_back(step);
    // One frame throughout cannot be played in the wrong order, nor at the wrong pace.
    const bool oneFrame = timed.front().frame && std::all_of(timed.begin(), timed.end(), [&](const ReferenceStep& step) {
                              return step.frame == timed.front().frame;
                          });
    if (oneFrame) {
        const std::vector<ShownStep>& seen = visible.empty() ? shown : visible;
        return !seen.empty() && std::all_of(seen.begin(), seen.end(), [&](const ShownStep& step) {
            return step.frame == *timed.front().frame;
        });
    }
    if (visible.empty()) return false;
    // Two loops of the longer play; a play cut at the modelled steps is compared as far as it goes.
    const bool cut = reference.size() >= kMostModelledSteps || shown.size() >= kMostModelledSteps;
    const std::size_t length = cut ? std::min(timed.size(), visible.size()) : 2 * std::max(timed.size(), visible.size());
    for (std::size_t i = 0; i < length; ++i) {
        const ReferenceStep& want = timed[i % timed.size()];
        const ShownStep& got = visible[i % visible.size()];
        if (!want.frame || *want.frame != got.frame) return false;
        if (want.milliseconds && !TimesMatch(got.milliseconds, *want.milliseconds)) return false;
    }
    return true;
}

const LoaderVerdict& FileVerdicts::Of(CursorLoader loader) const {
    switch (loader) {
        case CursorLoader::Wine: return wine;
        case CursorLoader::GdkPixbuf: return gdkPixbuf;
        case CursorLoader::Kde: break;
    }
    return kde;
}

int FileVerdicts::ExitStatus() const {
    if (!readable) return 2;
    int status = 0;
    for (CursorLoader loader : kCursorLoaders) {
        const Verdict verdict = Of(loader).verdict;
        if (verdict == Verdict::Copes) status = std::max(status, 1);
        else if (verdict != Verdict::Plays) status = 2;
    }
    return status;
}

FileVerdicts JudgeAnimatedCursor(ByteSource& source, const AnimatedCursorLayout& layout) {
    FileVerdicts verdicts;
    if (!layout.Readable()) return verdicts;
    verdicts.readable = true;
    verdicts.irregularities = FindIrregularities(layout);
    bool open = false;
    std::vector<ReferenceStep> reference = IntendedSteps(source, layout, open);
    const bool irregular = !verdicts.irregularities.empty();
    {
        const LoaderPlay wine = PlayInWine(source);
        if ((open || FieldsContradict(layout)) && wine.outcome == LoaderOutcome::Shows) {
            // Where the fields leave the play open or contradict each other, Wine's reading is the
            // reference, except for pictures that are no stored frame and delays from outside "rate".
            reference.clear();
            bool wrong = wine.timeFromOutsideFile;
            for (const ShownStep& step : wine.steps) {
                ReferenceStep& added = reference.emplace_back();
                if (step.frame != kOtherPicture) added.frame = step.frame;
                else wrong = true;
                added.milliseconds = step.milliseconds;
            }
            const Verdict played = irregular || !wine.notes.empty() ? Verdict::Copes : Verdict::Plays;
            verdicts.wine = {wrong ? Verdict::Misplays : played, wine.notes};
        } else {
            verdicts.wine = Judge(wine, reference, irregular);
        }
    }
    verdicts.gdkPixbuf = Judge(PlayInGdkPixbuf(source), reference, irregular);
    verdicts.kde = Judge(PlayInKde(source), reference, irregular);
    return verdicts;
}

FileVerdicts JudgeIconFile(ByteSource& source) {
    FileVerdicts verdicts;
    const std::optional<std::uint16_t> type = U16At(source, 2);
    const std::optional<std::uint16_t> count = U16At(source, 4);
    if (!type || !count || (*type != 1 && *type != 2)) return verdicts;
    verdicts.readable = true;
    auto all = [&](Verdict verdict, LoaderNote note) {
        verdicts.wine = verdicts.gdkPixbuf = verdicts.kde = {verdict, {note}};
        return verdicts;
    };
    if (*count == 0) return all(Verdict::Refuses, LoaderNote::NoImages);
    if (6 + 16 * std::uint64_t{*count} > source.Length()) return all(Verdict::Refuses, LoaderNote::FrameDamaged);
    // Wine wants every byte of the image; gdk-pixbuf and Qt only its colour bits, and
    // gdk-pixbuf shows what it has of those.
    bool wineCut = false, allCompressed = true, largestCompressed = false, tinted = false;
    FramePicture shown = FramePicture::Bitmap;
    int largest = -1;
    for (std::uint16_t i = 0; i < *count; ++i) {
        const std::uint64_t entry = 6 + 16 * std::uint64_t{i};
        const std::uint64_t size = U32At(source, entry + 8).value_or(0);
        const std::uint64_t offset = U32At(source, entry + 12).value_or(0);
        wineCut = wineCut || offset + size > source.Length();
        const bool compressed = FourCcAt(source, offset, "\x89PNG");
        allCompressed = allCompressed && compressed;
        const int widthByte = U16At(source, entry).value_or(0) & 0xFF;
        const int pixels = widthByte == 0 ? 256 : widthByte;
        if (pixels > largest) {
            largest = pixels;
            largestCompressed = compressed;
        }
        if (!compressed) {
            const FramePicture picture =
                offset < source.Length() ? InspectImage(source, offset, source.Length() - offset) : FramePicture::Damaged;
            if (picture == FramePicture::TintedMono) tinted = true;
            else if (picture != FramePicture::Bitmap) shown = picture;
        }
    }
    verdicts.wine = wineCut ? LoaderVerdict{Verdict::Refuses, {LoaderNote::FrameDamaged}} : LoaderVerdict{Verdict::Plays, {}};
    verdicts.kde = shown != FramePicture::Bitmap ? LoaderVerdict{Verdict::Refuses, {LoaderNote::FrameDamaged}}
                                                  : LoaderVerdict{Verdict::Plays, {}};
    if (allCompressed) verdicts.gdkPixbuf = {Verdict::Refuses, {LoaderNote::CompressedFrame}};
    else if (largestCompressed) verdicts.gdkPixbuf = {Verdict::Misplays, {LoaderNote::CompressedFrame}};
    else if (shown != FramePicture::Bitmap) verdicts.gdkPixbuf = {Verdict::Misplays, {LoaderNote::FrameDamaged}};
    else if (tinted) verdicts.gdkPixbuf = {Verdict::Misplays, {LoaderNote::TintedMonoFrame}};
    else verdicts.gdkPixbuf = {Verdict::Plays, {}};
    return verdicts;
}

}  // namespace animace
