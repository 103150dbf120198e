#include "animace/reader/animated_cursor_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "iconfile/little_endian.h"

namespace animace {
namespace {

using iconfile::ReadU16;
using iconfile::ReadU32;

constexpr std::uint64_t kChunkHeaderLength = 8;
// Step entries are streamed through blocks of this many entries.
constexpr std::size_t kEntriesPerBlock = 1024;

using ChunkVisit = std::function<void(std::string_view id, const ChunkPlace& place)>;

// Walks the chunks in [begin, end); a chunk of odd length is followed by a pad byte. Only the
// 8-byte headers are read; each step moves at least 8 bytes on, so the walk always ends.
// A run of zero bytes is a run of empty chunks with id 0: only the first of them is visited,
// except that the walk still stops at the one holding `watched`, for visitors that look there.
bool WalkChunks(ByteSource& source, std::uint64_t begin, std::uint64_t end, const ChunkVisit& visit,
                std::uint64_t watched = 0) {
    constexpr std::array<std::uint8_t, kChunkHeaderLength> kEmptyChunk{};
    std::uint64_t at = begin;
    while (end >= kChunkHeaderLength && at <= end - kChunkHeaderLength) {
        std::array<std::uint8_t, kChunkHeaderLength> head{};
        if (!source.ReadAt(at, head)) return false;
        ChunkPlace place;
        place.offset = at;
        place.declaredSize = ReadU32(head, 4);
        place.availableSize = std::min<std::uint64_t>(place.declaredSize, end - at - kChunkHeaderLength);
        visit(std::string_view(reinterpret_cast<const char*>(head.data()), 4), place);
        if (head == kEmptyChunk) {
            const std::uint64_t runLimit = at < watched ? std::min(end, watched) : end;
            const std::uint64_t zeroChunks = (source.ZeroRunEnd(at, runLimit) - at) / kChunkHeaderLength;
            if (zeroChunks > 1) {
                at += kChunkHeaderLength * zeroChunks;
                continue;
            }
        }
        at += kChunkHeaderLength + place.declaredSize + (place.declaredSize & 1u);
    }
    return true;
}

// Reads up to `into.size()` bytes of a chunk's data; bytes the chunk does not have stay 0.
bool ReadChunkStart(ByteSource& source, const ChunkPlace& place, std::span<std::uint8_t> into) {
    std::fill(into.begin(), into.end(), std::uint8_t{0});
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(into.size(), place.availableSize));
    return source.ReadAt(place.dataOffset(), into.first(count));
}

AnimatedCursorHeader DecodeHeader(std::span<const std::uint8_t, 36> bytes) {
    AnimatedCursorHeader header;
    header.size = ReadU32(bytes, 0);
    header.frames = ReadU32(bytes, 4);
    header.steps = ReadU32(bytes, 8);
    header.width = ReadU32(bytes, 12);
    header.height = ReadU32(bytes, 16);
    header.bitCount = ReadU32(bytes, 20);
    header.planes = ReadU32(bytes, 24);
    header.rate = ReadU32(bytes, 28);
    header.flags = ReadU32(bytes, 32);
    return header;
}

bool WalkFrameList(ByteSource& source, const ChunkPlace& list, const ChunkVisit& visit) {
    if (list.availableSize < 4) return true;
    const std::uint64_t begin = list.dataOffset() + 4;
    return WalkChunks(source, begin, list.dataOffset() + list.availableSize, visit);
}

void NoteChunk(AnimatedCursorLayout& layout, const ChunkPlace& place) {
    if (place.availableSize < place.declaredSize) layout.chunkPassesEnd = true;
    if ((place.declaredSize & 1u) != 0 && !layout.oddChunkOffset) layout.oddChunkOffset = place.offset;
}

}  // namespace

std::uint64_t AnimatedCursorLayout::PlayableSteps() const {
    std::uint64_t steps = header.steps;
    if (rateChunk) steps = std::min(steps, Entries(rateChunk));
    steps = std::min(steps, sequenceChunk ? Entries(sequenceChunk) : frameChunks);
    return steps;
}

AnimatedCursorLayout ReadAnimatedCursorLayout(ByteSource& source) {
    AnimatedCursorLayout layout;
    layout.fileLength = source.Length();
    std::array<std::uint8_t, 12> start{};
    if (layout.fileLength < start.size() || !source.ReadAt(0, start)) return layout;
    layout.isAnimatedCursor = std::memcmp(start.data(), "RIFF", 4) == 0 && std::memcmp(start.data() + 8, "ACON", 4) == 0;
    if (!layout.isAnimatedCursor) return layout;
    layout.riffSize = ReadU32(start, 4);

    bool readFailed = false;
    const std::uint64_t riffEnd = 8 + std::uint64_t{layout.riffSize};
    layout.riffEndsInsideChunk = layout.riffSize == 0;
    const ChunkVisit topLevel = [&](std::string_view id, const ChunkPlace& place) {
        NoteChunk(layout, place);
        const std::uint64_t chunkEnd = place.dataOffset() + place.declaredSize + (place.declaredSize & 1u);
        if ((place.offset < riffEnd || place.offset == 12) && riffEnd < chunkEnd && riffEnd < layout.fileLength)
            layout.riffEndsInsideChunk = true;
        if ((id == "anih" && layout.headerChunk) || (id == "seq " && layout.sequenceChunk) ||
            (id == "rate" && layout.rateChunk))
            layout.repeatedChunk = true;
        if (id == "icon") layout.frameChunkOutsideList = true;
        if (id == "anih" && !layout.headerChunk) {
            layout.headerChunk = place;
            std::array<std::uint8_t, 36> bytes{};
            readFailed |= !ReadChunkStart(source, place, bytes);
            layout.header = DecodeHeader(bytes);
        } else if (id == "rate" && !layout.rateChunk) {
            layout.rateChunk = place;
        } else if (id == "seq " && !layout.sequenceChunk) {
            layout.sequenceChunk = place;
        } else if (id == "LIST") {
            std::array<std::uint8_t, 4> type{};
            readFailed |= !ReadChunkStart(source, place, type);
            if (std::memcmp(type.data(), "INFO", 4) == 0 && !layout.headerChunk) layout.infoListBeforeHeader = true;
            if (std::memcmp(type.data(), "fram", 4) != 0) return;
            if (layout.frameList) {
                layout.repeatedChunk = true;
                return;
            }
            layout.frameList = place;
            readFailed |= !WalkFrameList(source, place, [&](std::string_view frameId, const ChunkPlace& frame) {
                NoteChunk(layout, frame);
                if (frameId == "icon") ++layout.frameChunks;
                else layout.foreignChunkInFrameList = true;
            });
        }
    };
    // Loaders read on to the end of the file whatever the RIFF size says, and so does this walk.
    if (!WalkChunks(source, 12, layout.fileLength, topLevel, riffEnd) || readFailed) layout.isAnimatedCursor = false;
    return layout;
}

bool ForEachStep(ByteSource& source, const AnimatedCursorLayout& layout,
                 const std::function<bool(const StepEntry&)>& visit) {
    const std::uint64_t steps = layout.PlayableSteps();
    std::vector<std::uint8_t> rates(layout.rateChunk ? 4 * kEntriesPerBlock : 0);
    std::vector<std::uint8_t> sequence(layout.sequenceChunk ? 4 * kEntriesPerBlock : 0);
    for (std::uint64_t first = 0; first < steps; first += kEntriesPerBlock) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kEntriesPerBlock, steps - first));
        const std::span<std::uint8_t> rateBlock = std::span(rates).first(rates.empty() ? 0 : 4 * count);
        const std::span<std::uint8_t> sequenceBlock = std::span(sequence).first(sequence.empty() ? 0 : 4 * count);
        if (layout.rateChunk && !source.ReadAt(layout.rateChunk->dataOffset() + 4 * first, rateBlock)) return false;
        if (layout.sequenceChunk && !source.ReadAt(layout.sequenceChunk->dataOffset() + 4 * first, sequenceBlock))
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            StepEntry step;
            step.index = first + i;
            step.frame = layout.sequenceChunk ? ReadU32(sequenceBlock, 4 * i) : static_cast<std::uint32_t>(step.index);
            step.jiffies = layout.rateChunk ? ReadU32(rateBlock, 4 * i) : layout.header.rate;
            if (!visit(step)) return true;
        }
    }
    return true;
}

bool ForEachFrame(ByteSource& source, const AnimatedCursorLayout& layout,
                  const std::function<bool(const FrameEntry&)>& visit) {
    if (!layout.frameList) return true;
    std::uint64_t index = 0;
    bool ok = true;
    bool stopped = false;
    const ChunkVisit frameVisit = [&](std::string_view id, const ChunkPlace& place) {
        if (id != "icon" || stopped || !ok) return;
        FrameEntry frame;
        frame.index = index++;
        frame.dataOffset = place.dataOffset();
        frame.length = place.availableSize;
        std::array<std::uint8_t, 22> head{};
        if (place.availableSize >= head.size()) {
            ok = source.ReadAt(place.dataOffset(), head);
            frame.headerRead = ok;
            frame.resourceType = ReadU16(head, 2);
            frame.imageCount = ReadU16(head, 4);
            frame.width = head[6] == 0 ? 256 : head[6];
            frame.height = head[7] == 0 ? 256 : head[7];
            frame.colorCount = head[8];
            frame.hotSpotX = ReadU16(head, 10);
            frame.hotSpotY = ReadU16(head, 12);
        }
        if (ok && !visit(frame)) stopped = true;
    };
    return WalkFrameList(source, *layout.frameList, frameVisit) && ok;
}

}  // namespace animace
