// Every rule here was observed in Debian 12's wine 8.0~repack-4 (64-bit, LoadCursorFromFileW,
// GetCursorFrameInfo, DrawIconEx) by playing files built for it.
#include "animace/reader/wine_user32_model.h"

#include <algorithm>

namespace animace {
namespace {

constexpr std::uint64_t kPage = 4096;
// More steps than this and user32 cannot allocate the cursor.
constexpr std::uint64_t kMostSteps = 1u << 20;

// The file as user32 sees it mapped: its bytes, then zeros to the end of the last page; reading
// past that page is an access violation.
class MappedFile final : public ByteSource {
public:
    explicit MappedFile(ByteSource& file) : file_(file) {}
    std::uint64_t Length() const override { return (file_.Length() + kPage - 1) / kPage * kPage; }
    std::uint64_t ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) override {
        limit = std::min(limit, Length());
        if (offset >= limit) return offset;
        if (offset < file_.Length()) {
            const std::uint64_t inFile = file_.ZeroRunEnd(offset, limit);
            if (inFile < std::min(limit, file_.Length())) return inFile;
        }
        return limit;  // the page's tail past the file is zeros
    }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override {
        if (offset > Length() || into.size() > Length() - offset) return false;
        std::fill(into.begin(), into.end(), std::uint8_t{0});
        if (offset >= file_.Length()) return true;
        const auto inside = static_cast<std::size_t>(std::min<std::uint64_t>(into.size(), file_.Length() - offset));
        return file_.ReadAt(offset, into.first(inside));
    }

private:
    ByteSource& file_;
};

struct Fault {};  // user32 read past the mapped file

std::uint32_t Read32(MappedFile& view, std::uint64_t offset) {
    const std::optional<std::uint32_t> value = U32At(view, offset);
    if (!value) throw Fault{};
    return *value;
}

// The first chunk `id` (or LIST of type `listType`) whose header lies inside [begin, end). Chunks
// are skipped by their size rounded up to even.
std::optional<std::uint64_t> FindChunk(MappedFile& view, std::uint64_t begin, std::uint64_t end, std::uint32_t id,
                                       std::optional<std::uint32_t> listType = std::nullopt) {
    const std::uint64_t headerLength = listType ? 12 : 8;
    for (std::uint64_t at = begin; at + headerLength <= end;) {
        if (Read32(view, at) == id && (!listType || Read32(view, at + 8) == *listType)) return at;
        const std::uint64_t size = Read32(view, at + 4);
        // A run of zero bytes is a run of empty chunks with id 0, none of them the one sought.
        if (size == 0 && Read32(view, at) == 0) {
            const std::uint64_t zeroChunks = (view.ZeroRunEnd(at, end) - at) / 8;
            if (zeroChunks > 1) {
                at += 8 * zeroChunks;
                continue;
            }
        }
        at += 8 + size + (size & 1u);
    }
    return std::nullopt;
}

constexpr std::uint32_t Id(const char (&text)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])) << 24;
}

enum class FrameLoad { Loaded, Failed, Crashed };

// One frame as user32 takes it, with its directory read from the mapped file whatever the bytes
// the frame has: a directory with another first word fails; one announcing no image, running
// past the file, or naming an image past the file makes user32 crash; a bitmap that is no bitmap
// or is cut off fails.
FrameLoad LoadFrame(MappedFile& view, std::uint64_t data, std::uint64_t fileLength) {
    if (data + 6 > view.Length()) throw Fault{};
    if (U16At(view, data).value_or(1) != 0) return FrameLoad::Failed;
    const std::uint16_t count = U16At(view, data + 4).value_or(0);
    const std::uint64_t directoryEnd = data + 6 + 16 * std::uint64_t{count};
    if (count == 0 || directoryEnd > fileLength) return FrameLoad::Crashed;
    std::uint64_t chosen = data + 6;
    for (std::uint64_t entry = data + 6; entry < directoryEnd; entry += 16) {
        if (data + Read32(view, entry + 12) >= fileLength) return FrameLoad::Crashed;
        if (U16At(view, entry).value_or(0) == 32) chosen = entry;
    }
    const std::uint64_t image = data + Read32(view, chosen + 12);
    const FramePicture picture = InspectImage(view, image, fileLength - image);
    return picture == FramePicture::Damaged || picture == FramePicture::Garbage ? FrameLoad::Failed : FrameLoad::Loaded;
}

// Why the frame chain went wrong at `at`, for the note.
LoaderNote FrameChainNote(MappedFile& view, std::uint64_t at, std::uint64_t listEnd, std::uint64_t fileLength) {
    if (at >= listEnd || at >= fileLength) return LoaderNote::FrameCountAboveFrameChunks;
    if (Read32(view, at) == Id("icon")) return LoaderNote::FrameDamaged;
    if (at + 5 <= fileLength && (Read32(view, at + 1) == Id("icon"))) return LoaderNote::PadByteInFrameList;
    return LoaderNote::ForeignChunkInFrameList;
}

LoaderPlay Play(ByteSource& file) {
    LoaderPlay play;
    MappedFile view(file);
    // The RIFF size, rounded up to even in 32 bits, bounds the search for chunks: 0xFFFFFFFF
    // wraps to 0 and finds nothing.
    const std::uint32_t riffSize = Read32(view, 4);
    const std::uint32_t evenSize = riffSize + (riffSize & 1u);
    const std::uint64_t end = 8 + std::uint64_t{evenSize};
    const std::optional<std::uint64_t> anih = FindChunk(view, 12, end, Id("anih"));
    if (!anih) return play.Refuse(LoaderNote::RiffSizeUnusable);
    // The 36 header bytes are copied whatever the chunk's size says.
    const std::uint32_t frames = Read32(view, *anih + 12);
    std::uint64_t steps = Read32(view, *anih + 16);
    // Frames are made at the header's size when it gives both sides.
    const std::uint32_t width = Read32(view, *anih + 20), height = Read32(view, *anih + 24);
    const bool oddSize = width != 0 && height != 0 && (width > 256 || height > 256);
    const std::uint32_t defaultRate = Read32(view, *anih + 36);
    const std::uint32_t flags = Read32(view, *anih + 40);
    if ((flags & 1u) == 0) return play.Refuse(LoaderNote::FlagsWithoutIconBit);
    std::optional<std::uint64_t> sequence;
    if ((flags & 2u) != 0) {
        sequence = FindChunk(view, 12, end, Id("seq "));
        if (!sequence) {
            play.Note(LoaderNote::SequenceFlagWithoutChunk);
            steps = frames;
        }
    } else if (FindChunk(view, 12, end, Id("seq "))) {
        play.Note(LoaderNote::SequenceNeedsFlag);
    }
    const std::optional<std::uint64_t> rate = FindChunk(view, 12, end, Id("rate"));
    const std::optional<std::uint64_t> list = FindChunk(view, 12, end, Id("LIST"), Id("fram"));
    if (!list) return play.Refuse(LoaderNote::NoFrameList);

    // Frames are walked by their sizes alone, without pad bytes and without looking at the ids.
    const std::uint64_t listEnd = *list + 8 + Read32(view, *list + 4);
    std::uint64_t at = *list + 12;
    std::uint32_t loaded = 0;
    for (; loaded < frames; ++loaded) {
        const std::uint64_t size = Read32(view, at + 4);
        const std::uint64_t data = at + 8;
        const FrameLoad load = LoadFrame(view, data, file.Length());
        if (load == FrameLoad::Crashed) return play.Crash(FrameChainNote(view, at, listEnd, file.Length()));
        if (load == FrameLoad::Failed) {
            const LoaderNote note = FrameChainNote(view, at, listEnd, file.Length());
            if (loaded == 0) return play.Refuse(note);
            // What was decoded before the bad frame stays: the first frame, shown still.
            play.Note(note);
            play.steps = {{0, 0}};
            return play;
        }
        at = data + size;
    }
    if (frames == 1 || steps <= 1) {
        play.steps = {{frames == 0 || oddSize ? kOtherPicture : 0, 0}};
        return play;
    }
    if (steps > kMostSteps) return play.Refuse(LoaderNote::HeaderCounts);
    if (frames == 0) play.Note(LoaderNote::FrameCountAboveFrameChunks);

    const std::uint64_t sequenceEntries = sequence ? Read32(view, *sequence + 4) / 4 : 0;
    const std::uint64_t rateEntries = rate ? Read32(view, *rate + 4) / 4 : 0;
    std::vector<ShownStep> firstTimes;  // each frame's delay, from its first step
    for (std::uint64_t i = 0; i < std::min<std::uint64_t>(steps, kMostModelledSteps); ++i) {
        std::int64_t frame = static_cast<std::int64_t>(i);
        if (sequence) {
            frame = Read32(view, *sequence + 8 + 4 * i);
            if (i >= sequenceEntries) play.Note(LoaderNote::SequenceShort);
        }
        if (frame >= frames) {
            // Past the stored frames user32 shows the last one.
            if (frames > 0 && (sequence ? i < sequenceEntries : true)) play.Note(LoaderNote::SequenceBeyondFrames);
            frame = frames == 0 ? kOtherPicture : frames - 1;
        }
        double time = JiffiesInMilliseconds(rate ? Read32(view, *rate + 8 + 4 * i) : defaultRate);
        if (rate && i >= rateEntries) {
            play.Note(LoaderNote::RateShort);
            play.timeFromOutsideFile = true;
        }
        auto known = std::find_if(firstTimes.begin(), firstTimes.end(), [&](const ShownStep& s) { return s.frame == frame; });
        if (known == firstTimes.end()) known = firstTimes.insert(firstTimes.end(), {frame, time});
        else if (known->milliseconds != time) play.Note(LoaderNote::RepeatedFrameKeepsFirstRate);
        play.steps.push_back({oddSize ? kOtherPicture : frame, known->milliseconds});
    }
    if (oddSize) play.Note(LoaderNote::HeaderPictureSize);
    return play;
}

}  // namespace

LoaderPlay PlayInWine(ByteSource& source) {
    try {
        return Play(source);
    } catch (const Fault&) {
        LoaderPlay play;
        return play.Crash(LoaderNote::ReadsPastEnd);
    }
}

}  // namespace animace
