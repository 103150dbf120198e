#pragma once
// Reads an animated cursor (RIFF "ACON") without trusting any size field: chunks are walked
// inside the bytes the file really has, only headers are read, and step lists are streamed in
// small blocks, so memory stays the same whatever the file's length.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "animace/reader/byte_source.h"
#include "iconfile/icon_records.h"

namespace animace {

struct ChunkPlace {
    std::uint64_t offset = 0;       // of the chunk's 8-byte header
    std::uint32_t declaredSize = 0;
    std::uint64_t availableSize = 0;  // the part of the declared size inside its container
    std::uint64_t dataOffset() const { return offset + 8; }
};

// The "anih" fields; a field the chunk does not hold reads as 0.
struct AnimatedCursorHeader {
    std::uint32_t size = 0;
    std::uint32_t frames = 0;
    std::uint32_t steps = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t planes = 0;
    std::uint32_t rate = 0;  // jiffies of 1/60 s for every step without a "rate" chunk
    std::uint32_t flags = 0;
};

inline constexpr std::uint32_t kFlagIcon = 1;
inline constexpr std::uint32_t kFlagSequence = 2;

struct AnimatedCursorLayout {
    std::uint64_t fileLength = 0;
    bool isAnimatedCursor = false;  // "RIFF" and form type "ACON"
    std::uint32_t riffSize = 0;
    std::optional<ChunkPlace> headerChunk;
    AnimatedCursorHeader header;
    std::optional<ChunkPlace> rateChunk;
    std::optional<ChunkPlace> sequenceChunk;
    std::optional<ChunkPlace> frameList;  // the "LIST" chunk of type "fram"
    std::uint64_t frameChunks = 0;        // "icon" chunks found inside it
    bool infoListBeforeHeader = false;
    std::optional<std::uint64_t> oddChunkOffset;  // the first chunk of odd length
    bool chunkPassesEnd = false;                  // some chunk declares more bytes than it has
    bool repeatedChunk = false;          // a second "anih", "seq ", "rate" or frame list
    bool frameChunkOutsideList = false;  // an "icon" chunk at the top level
    bool foreignChunkInFrameList = false;
    bool riffEndsInsideChunk = false;  // the RIFF size is 0 or ends inside a chunk

    // "RIFF" "ACON" with an "anih" chunk: something loaders take for an animated cursor.
    bool Readable() const { return isAnimatedCursor && headerChunk.has_value(); }

    // Entries a step list holds: its available bytes / 4.
    static std::uint64_t Entries(const std::optional<ChunkPlace>& chunk) {
        return chunk ? chunk->availableSize / 4 : 0;
    }
    // Steps that can be played from what the file holds: the declared count, cut to the entries
    // of the rate and sequence chunks present and, without a sequence, to the frames.
    std::uint64_t PlayableSteps() const;
};

AnimatedCursorLayout ReadAnimatedCursorLayout(ByteSource& source);

struct StepEntry {
    std::uint64_t index = 0;
    std::uint32_t frame = 0;    // stored frame index, 0-based, as the file says
    std::uint32_t jiffies = 0;  // 1/60 s
};

// Streams the playable steps in order; stops early when `visit` returns false or a read fails
// (then false).
bool ForEachStep(ByteSource& source, const AnimatedCursorLayout& layout,
                 const std::function<bool(const StepEntry&)>& visit);

// What a frame chunk starts with: the icon file header and its first directory entry.
struct FrameEntry {
    std::uint64_t index = 0;
    std::uint64_t dataOffset = 0;
    std::uint64_t length = 0;  // bytes of the frame inside the file
    bool headerRead = false;   // the 22 header bytes are there
    std::uint16_t resourceType = 0;
    std::uint16_t imageCount = 0;
    int width = 0;  // directory bytes, 0 read as 256
    int height = 0;
    int colorCount = 0;
    std::uint16_t hotSpotX = 0;
    std::uint16_t hotSpotY = 0;

    bool isCursor() const { return resourceType == static_cast<std::uint16_t>(iconfile::IconFileKind::Cursor); }
};

// Walks the frame list again and reports every frame chunk with its headers.
bool ForEachFrame(ByteSource& source, const AnimatedCursorLayout& layout,
                  const std::function<bool(const FrameEntry&)>& visit);

}  // namespace animace
