// Every rule here was observed in Debian 12's libgdk-pixbuf-2.0-0 2.42.10+dfsg-1+deb12u4 (whose
// security updates changed the ani loader) through gdk_pixbuf_animation_new_from_file and its
// iterator, by playing files built for it.
#include "animace/reader/gdk_pixbuf_model.h"

#include <algorithm>

namespace animace {
namespace {

// Frames and steps must each be 1 to 1023.
constexpr std::uint32_t kMostEntries = 1023;

struct Animation {
    std::uint32_t frames = 0;
    std::uint32_t steps = 0;
    std::vector<double> delays;  // whole milliseconds per step
    std::vector<std::uint32_t> sequence;
    std::vector<bool> loaded;  // per stored frame
    std::vector<bool> tinted;  // 1-bit frames, which come out black and white whatever their colours
};

bool IsId(ByteSource& source, std::uint64_t at, const char (&id)[5]) { return FourCcAt(source, at, id); }

}  // namespace

LoaderPlay PlayInGdkPixbuf(ByteSource& source) {
    LoaderPlay play;
    const std::uint64_t length = source.Length();
    // The file comes in blocks of 4096 bytes, and blocks stop coming once the RIFF size (plus its
    // 8-byte header, in 32 bits) is reached; chunks that start inside the blocks that came are read.
    const std::uint32_t riffEnd = U32At(source, 4).value_or(0) + 8u;
    if (riffEnd <= 12) return play.Refuse(LoaderNote::RiffSizeUnusable);
    const std::uint64_t window = std::min<std::uint64_t>(length, (std::uint64_t{riffEnd} + 4095) / 4096 * 4096);
    std::optional<Animation> animation;
    std::uint64_t at = 12;
    bool stoppedAtForeignChunk = false;
    bool previousOdd = false;
    bool cutFrameWithDirectory = false;
    while (at < window && at + 8 <= length) {
        std::uint64_t id = at;
        std::uint64_t size = U32At(source, at + 4).value_or(0);
        at += 8;
        // A LIST's own size is never used: its first chunk follows its type, and the rest follow
        // as if they were top-level chunks.
        bool cut = false;
        while (IsId(source, id, "LIST")) {
            if (at + 12 > length) {
                cut = true;
                break;
            }
            id = at + 4;
            size = U32At(source, at + 8).value_or(0);
            at += 12;
        }
        if (cut) break;
        const std::uint64_t padded = size + (size & 1u);
        if (IsId(source, id, "icon")) {
            if (!animation) return play.Refuse(LoaderNote::ChunkOrder);
            const std::uint32_t index = static_cast<std::uint32_t>(
                std::count(animation->loaded.begin(), animation->loaded.end(), true));
            if (index >= animation->frames) return play.Refuse(LoaderNote::FrameCountBelowFrameChunks);
            const std::uint64_t available = std::min<std::uint64_t>(size, at < length ? length - at : 0);
            const FramePicture picture = InspectFramePicture(source, at, available, 256);
            if (picture == FramePicture::Compressed) return play.Refuse(LoaderNote::CompressedFrame);
            // A bitmap that is none fails the whole file; one cut off by the file's end is left out.
            if (picture == FramePicture::Garbage) return play.Refuse(LoaderNote::FrameDamaged);
            if (picture != FramePicture::Bitmap && picture != FramePicture::TintedMono) {
                play.Note(LoaderNote::FrameDamaged);
                cutFrameWithDirectory = available >= 22;
                break;
            }
            animation->loaded[index] = true;
            if (picture == FramePicture::TintedMono) {
                animation->tinted[index] = true;
                play.Note(LoaderNote::TintedMonoFrame);
            }
        } else if (IsId(source, id, "anih")) {
            if (animation) return play.Refuse(LoaderNote::ChunkOrder);
            if (size < 36) return play.Refuse(LoaderNote::HeaderChunkSize);
            if (at + 36 > length) break;
            Animation made;
            made.frames = U32At(source, at + 4).value_or(0);
            const std::uint32_t declaredSteps = U32At(source, at + 8).value_or(0);
            const std::uint32_t rate = U32At(source, at + 28).value_or(0);
            const std::uint32_t flags = U32At(source, at + 32).value_or(0);
            // Without flag bit 2 the steps are the frames, whatever "anih" says.
            made.steps = (flags & 2u) != 0 ? declaredSteps : made.frames;
            if (made.steps != declaredSteps) play.Note(LoaderNote::StepsFromFrameCount);
            if (made.frames == 0 || made.frames > kMostEntries || made.steps == 0 || made.steps > kMostEntries)
                return play.Refuse(LoaderNote::HeaderCounts);
            made.delays.assign(made.steps, WholeMilliseconds(rate));
            made.sequence.resize(made.steps);
            for (std::uint32_t i = 0; i < made.steps; ++i) made.sequence[i] = std::min(i, made.frames - 1);
            made.loaded.assign(made.frames, false);
            made.tinted.assign(made.frames, false);
            animation = std::move(made);
        } else if (IsId(source, id, "rate") || IsId(source, id, "seq ")) {
            const bool isRate = IsId(source, id, "rate");
            if (padded != 4 * std::uint64_t{animation ? animation->steps : 0}) return play.Refuse(LoaderNote::ListSize);
            if (!animation) return play.Refuse(LoaderNote::ChunkOrder);
            if (at + size > length) break;
            for (std::uint32_t i = 0; i < animation->steps; ++i) {
                const std::uint32_t value = U32At(source, at + 4 * std::uint64_t{i}).value_or(0);
                if (isRate) {
                    animation->delays[i] = WholeMilliseconds(value);
                } else if (value >= animation->frames) {
                    return play.Refuse(LoaderNote::SequenceBeyondFrames);
                } else {
                    animation->sequence[i] = value;
                }
            }
        } else if (IsId(source, id, "INAM") || IsId(source, id, "IART")) {
            if (!animation) return play.Refuse(LoaderNote::ChunkOrder);
        } else {
            // An unknown chunk ends the reading, silently. After an odd chunk without its pad byte
            // the next chunk's id is read one byte late.
            if (previousOdd && (IsId(source, id - 1, "icon") || IsId(source, id - 1, "LIST")))
                play.Note(LoaderNote::OddChunkWithoutPad);
            stoppedAtForeignChunk = true;
            break;
        }
        previousOdd = (size & 1u) != 0;
        at += padded;
    }
    if (!animation) return play.Refuse(stoppedAtForeignChunk ? LoaderNote::ForeignChunk : LoaderNote::ReadsPastEnd);
    const auto loaded = std::find(animation->loaded.begin(), animation->loaded.end(), true);
    if (loaded == animation->loaded.end()) {
        // With the directory of a cut frame the animation loads, and shows nothing.
        if (cutFrameWithDirectory) {
            play.steps.assign(animation->steps, {kOtherPicture, animation->delays.front()});
            return play;
        }
        // Otherwise the loader fails without an error, and gdk-pixbuf aborts.
        return play.Crash(stoppedAtForeignChunk ? LoaderNote::ForeignChunk : LoaderNote::NoFrameList);
    }
    double total = 0;
    for (double delay : animation->delays) total += delay;
    if (total <= 0) return play.Crash(LoaderNote::ZeroTotalTime);
    std::int64_t lastLoaded = 0;
    for (std::uint32_t i = 0; i < animation->frames; ++i)
        if (animation->loaded[i]) lastLoaded = i;
    if (lastLoaded + 1 < animation->frames) play.Note(stoppedAtForeignChunk ? LoaderNote::ForeignChunk : LoaderNote::FrameCountAboveFrameChunks);
    for (std::uint32_t i = 0; i < animation->steps; ++i) {
        const std::uint32_t frame = animation->sequence[i];
        // A frame that was never loaded shows as the last one that was.
        const std::int64_t shown = animation->loaded[frame] ? frame : lastLoaded;
        play.steps.push_back({animation->tinted[shown] ? kOtherPicture : shown, animation->delays[i]});
    }
    return play;
}

}  // namespace animace
