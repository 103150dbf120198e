#pragma once
// What keeps an animated cursor from playing the same everywhere: each problem names the loader
// it affects (as found by playing files in Wine's user32, gdk-pixbuf and KDE's image plug-in)
// and whether that loader refuses the file, plays it differently, or copes.
#include <cstdint>
#include <vector>

#include "animace/reader/animated_cursor_reader.h"

namespace animace {

enum class CursorLoader { Wine, GdkPixbuf, Kde };
enum class LoaderEffect { Refuses, Misplays, Copes };

enum class ProblemKind {
    SequenceFlagMissing,         // a "seq " chunk, but flags without the sequence bit
    RateSizeWrong,               // "rate" size is not 4 x steps
    SequenceSizeWrong,           // "seq " size is not 4 x steps
    SequenceBeyondFrames,        // a sequence entry names no stored frame
    FrameCountOutOfRange,        // 0 or 1024 and more frames
    StepCountOutOfRange,         // 0 or 1024 and more steps
    HeaderSizeWrong,             // "anih" size other than 36
    FrameChunksDifferFromCount,  // "icon" chunks other than the header's frame count
    StepsDifferWithoutOrder,     // steps differ from frames with no or an ascending sequence
    RiffSizeWrong,               // the RIFF size disagrees with the file's length
    ListSizeWrong,               // a LIST or a chunk in it passes the end of the file
    InfoBeforeHeader,            // a LIST INFO chunk before "anih"
    OddChunk,                    // a chunk of odd length
    FirstStepNotFirstFrame,      // step 0 shows a frame other than stored frame 0
};

struct CursorProblem {
    ProblemKind kind;
    CursorLoader loader;
    LoaderEffect effect;
    bool operator==(const CursorProblem&) const = default;
};

struct ProblemReport {
    bool readable = false;  // an animated cursor whose header and steps could be read
    std::vector<CursorProblem> problems;

    // 0 with no problem, 2 when a loader refuses or misplays the file or it cannot be read,
    // otherwise 1.
    int ExitStatus() const;
};

ProblemReport FindProblems(ByteSource& source, const AnimatedCursorLayout& layout);

}  // namespace animace
