#pragma once
// What one loader does with an animated cursor, as its model predicts it: refuses it, crashes
// on it, or shows a list of steps (one pass; every loader loops it). The models of Wine's user32,
// gdk-pixbuf and KDE's image plug-in each fill one of these.
#include <cstdint>
#include <optional>
#include <vector>

#include "animace/reader/byte_source.h"

namespace animace {

enum class LoaderOutcome { Shows, Refuses, Crashes };

// Why a loader does what it does; each names one rule of that loader's model.
enum class LoaderNote {
    FlagsWithoutIconBit,          // Wine: flags without bit 0
    SequenceNeedsFlag,            // Wine reads "seq " only with flag bit 2
    SequenceFlagWithoutChunk,     // flag bit 2 but no "seq ": Wine plays the frames in order
    SequenceReadWithoutFlag,      // gdk-pixbuf and KDE read "seq " whatever the flags
    SequenceBeyondFrames,         // a sequence entry names no stored frame
    SequenceShort,                // fewer sequence entries than steps
    RateShort,                    // Wine reads delays past the "rate" chunk
    RepeatedFrameKeepsFirstRate,  // Wine: a frame shown again keeps the delay of its first step
    FrameCountAboveFrameChunks,   // "anih" counts more frames than there are "icon" chunks
    FrameCountBelowFrameChunks,   // more "icon" chunks than "anih" counts
    ForeignChunkInFrameList,      // a chunk other than "icon" inside the frame list
    PadByteInFrameList,           // an odd frame followed by a pad byte
    FrameDamaged,                 // a frame's picture is cut off or is no icon
    NoFrameList,                  // no "LIST" of type "fram", or it is empty
    RiffSizeUnusable,             // the RIFF size is 0, 0xFFFFFFFF or too small for the chunks
    HeaderChunkSize,              // "anih" chunk size other than 36
    HeaderCounts,                 // 0 or 1024 and more frames or steps
    ChunkOrder,                   // a chunk before "anih" that needs it, or a second "anih"
    ForeignChunk,                 // gdk-pixbuf stops at a chunk it does not know
    ListSize,                     // "seq " or "rate" entries other than the steps
    StepsDifferFromFrames,        // steps other than frames without a reordering sequence
    StepsFromFrameCount,          // gdk-pixbuf plays as many steps as frames without flag bit 2
    CompressedFrame,              // a PNG-compressed frame
    ZeroTotalTime,                // every step lasts 0
    FirstStepShowsFrameOne,       // KDE always shows stored frame 0 first
    FramesLostAfterPad,           // KDE stops at the pad byte after an odd frame
    OddChunkWithoutPad,           // an odd chunk without its pad byte
    ReadsPastEnd,                 // the loader reads past the end of the file
    NoImages,                     // an icon or cursor without images
    HeaderPictureSize,            // Wine makes the frames as large as "anih" says, here over 256
    TintedMonoFrame,              // gdk-pixbuf shows a 1-bit picture black and white, whatever its colours
};

inline constexpr std::int64_t kOtherPicture = -1;
// Steps a model keeps and compares, so that memory stays small whatever the file declares; files
// with more steps are compared on their first ones.
inline constexpr std::size_t kMostModelledSteps = 2048;  // a picture that is none of the stored frames

struct ShownStep {
    std::int64_t frame = 0;  // stored frame index, or kOtherPicture
    double milliseconds = 0;
};

struct LoaderPlay {
    LoaderOutcome outcome = LoaderOutcome::Shows;
    std::vector<ShownStep> steps;
    bool timeFromOutsideFile = false;  // a delay read from bytes outside its chunk
    std::vector<LoaderNote> notes;

    void Note(LoaderNote note) {
        for (LoaderNote known : notes)
            if (known == note) return;
        notes.push_back(note);
    }
    LoaderPlay& Refuse(LoaderNote note) {
        outcome = LoaderOutcome::Refuses;
        Note(note);
        return *this;
    }
    LoaderPlay& Crash(LoaderNote note) {
        outcome = LoaderOutcome::Crashes;
        Note(note);
        return *this;
    }
};

// A jiffy is 1/60 s; loaders that count milliseconds round down.
inline double JiffiesInMilliseconds(std::uint32_t jiffies) { return jiffies * 1000.0 / 60.0; }
inline double WholeMilliseconds(std::uint32_t jiffies) { return static_cast<double>(std::uint64_t{jiffies} * 1000 / 60); }

// Bounds-checked little-endian reads from a byte source.
std::optional<std::uint32_t> U32At(ByteSource& source, std::uint64_t offset);
std::optional<std::uint16_t> U16At(ByteSource& source, std::uint64_t offset);
bool FourCcAt(ByteSource& source, std::uint64_t offset, const char (&id)[5]);

// What an icon or cursor held inside `length` bytes from `offset` gives a picture decoder.
enum class FramePicture {
    Bitmap,      // the chosen image's bitmap is there up to its colour bits
    TintedMono,  // the same, 1 bit per pixel with colours other than black and white
    Compressed,  // the chosen image is PNG data
    NoImages,    // the directory announces no image
    Damaged,     // the directory or the chosen image's colour bits run past the bytes
    Garbage,     // the chosen image is neither a bitmap nor PNG, or starts past the end of the file
};
// One image (bitmap with its header, or PNG) starting at `image`, `available` bytes long at most.
FramePicture InspectImage(ByteSource& source, std::uint64_t image, std::uint64_t available);
// An icon file's directory and the image it shows. `preferredSize` picks the entry a loader shows: the one of that width, otherwise the first.
FramePicture InspectFramePicture(ByteSource& source, std::uint64_t offset, std::uint64_t length, int preferredSize);

}  // namespace animace
