#pragma once
// One verdict per loader for an animated cursor, icon or cursor: each loader's model says what
// it shows, and that is compared with what the file intends.
#include <vector>

#include "animace/reader/animated_cursor_reader.h"
#include "animace/reader/loader_play.h"

namespace animace {

enum class Verdict {
    Plays,     // shows what the file intends
    Copes,     // shows what the file intends despite an irregularity
    Misplays,  // shows other frames, another order or other times
    Refuses,   // loads nothing
    Crashes,   // the loader's process dies
};

enum class CursorLoader { Wine, GdkPixbuf, Kde };
inline constexpr CursorLoader kCursorLoaders[] = {CursorLoader::Wine, CursorLoader::GdkPixbuf, CursorLoader::Kde};

// What a file does wrong even where a loader copes with it.
enum class Irregularity {
    RiffSizeDiffers,         // the RIFF size disagrees with the file's length
    HeaderSizeNot36,         // "anih" size field or chunk size other than 36
    FrameCountDiffers,       // "anih" frames other than the "icon" chunks
    SequenceFlagDisagrees,   // a "seq " without flag bit 2, or the flag without the chunk
    ListLengthDiffers,       // "seq " or "rate" entries other than the steps
    RepeatedChunk,           // a second "anih", "seq ", "rate" or frame list
    FrameChunkOutsideList,   // an "icon" chunk outside the frame list
    ForeignChunkInFrameList, // another chunk among the frames
    StepsBeyondFrames,       // a step shows a frame the file does not store
};

struct LoaderVerdict {
    Verdict verdict = Verdict::Refuses;
    std::vector<LoaderNote> notes;  // the loader's own reasons
};

struct FileVerdicts {
    bool readable = false;
    LoaderVerdict wine, gdkPixbuf, kde;
    std::vector<Irregularity> irregularities;

    const LoaderVerdict& Of(CursorLoader loader) const;
    // 0 when every loader plays the file; 2 when one misplays, refuses or crashes it or it cannot
    // be read; otherwise (a loader copes) 1.
    int ExitStatus() const;
};

// Whether `shown` (one pass, looped) plays `reference`; a reference frame or time left unknown
// (nullopt) is matched by no frame and by any time.
struct ReferenceStep {
    std::optional<std::int64_t> frame;
    std::optional<double> milliseconds;
};
bool PlaysAsIntended(const std::vector<ShownStep>& shown, const std::vector<ReferenceStep>& reference);

FileVerdicts JudgeAnimatedCursor(ByteSource& source, const AnimatedCursorLayout& layout);

// An icon or cursor file: every loader shows its best image, if it can.
FileVerdicts JudgeIconFile(ByteSource& source);

}  // namespace animace
