// Every rule here was observed in Debian 12's kimageformat-plugins 5.103.0 (kimg_ani with Qt
// 5.15.8) through QImageReader, by playing files built for it.
#include "animace/reader/kde_ani_model.h"

#include <algorithm>

namespace animace {
namespace {

// A "rate" or "seq " chunk's entries, read from the file when needed.
struct Entries {
    std::uint64_t offset = 0;
    std::uint64_t count = 0;
    bool empty() const { return count == 0; }
    std::uint64_t size() const { return count; }
    std::uint32_t At(ByteSource& source, std::uint64_t index) const { return U32At(source, offset + 4 * index).value_or(0); }
};

}  // namespace

LoaderPlay PlayInKde(ByteSource& source) {
    LoaderPlay play;
    const std::uint64_t length = source.Length();
    const std::uint32_t riffSize = U32At(source, 4).value_or(0);
    if (riffSize == 0) return play.Refuse(LoaderNote::RiffSizeUnusable);
    std::uint32_t steps = 0, frames = 0, rate = 0;
    Entries rates, sequence;
    std::vector<std::uint64_t> frameOffsets;  // of the first "icon" chunks' headers
    std::uint64_t frameCount = 0;
    bool frameListRead = false;
    bool frameListCut = false;
    bool frameChunkBeforeList = false;
    // The scan compares the read position with the RIFF size itself, 8 short of the RIFF's end,
    // and takes "ACON" wherever a chunk id could be. It ends with the first frame list.
    for (std::uint64_t at = 8; at < riffSize && !frameListRead;) {
        if (at + 4 > length) return play.Refuse(LoaderNote::ReadsPastEnd);
        if (FourCcAt(source, at, "ACON")) {
            at += 4;
            continue;
        }
        const std::optional<std::uint32_t> size = U32At(source, at + 4);
        if (!size) return play.Refuse(LoaderNote::ReadsPastEnd);
        const std::uint64_t data = at + 8;
        // A run of zero bytes is a run of empty chunks with id 0, which the scan passes over.
        if (*size == 0 && U32At(source, at) == 0u) {
            const std::uint64_t zeroChunks = (source.ZeroRunEnd(at, length) - at) / 8;
            if (zeroChunks > 1) {
                at += 8 * zeroChunks;
                continue;
            }
        }
        if (FourCcAt(source, at, "anih")) {
            if (*size != 36) return play.Refuse(LoaderNote::HeaderChunkSize);
            if (data + 36 > length) return play.Refuse(LoaderNote::ReadsPastEnd);
            frames = U32At(source, data + 4).value_or(0);
            steps = U32At(source, data + 8).value_or(0);
            rate = U32At(source, data + 28).value_or(0);
        } else if (FourCcAt(source, at, "rate") || FourCcAt(source, at, "seq ")) {
            if (data + *size > length) return play.Refuse(LoaderNote::ReadsPastEnd);
            if (*size % 4 != 0) return play.Refuse(LoaderNote::ListSize);
            const Entries entries{data, *size / 4};
            if (FourCcAt(source, at, "rate")) {
                rates = entries;
            } else {
                // A sequence that only counts up is dropped, as if there were none.
                bool counting = true;
                for (std::uint64_t i = 0; i < entries.size() && counting; ++i) counting = entries.At(source, i) == i;
                if (!counting) sequence = entries;
            }
        } else if (FourCcAt(source, at, "icon")) {
            frameChunkBeforeList = true;
        } else if (FourCcAt(source, at, "LIST")) {
            if (FourCcAt(source, data, "INFO")) {
                at = data + 4;  // its chunks are read as top-level ones
                continue;
            }
            if (FourCcAt(source, data, "fram")) {
                // Frame chunks follow each other without pad bytes; the first other id ends the list.
                std::uint64_t frame = data + 4;
                for (std::uint64_t read = 4; read < *size;) {
                    if (!FourCcAt(source, frame, "icon")) {
                        if (frame + 4 <= length && FourCcAt(source, frame + 1, "icon")) play.Note(LoaderNote::FramesLostAfterPad);
                        else if (frame < data + *size && frame + 4 <= length) play.Note(LoaderNote::ForeignChunkInFrameList);
                        break;
                    }
                    const std::optional<std::uint32_t> frameSize = U32At(source, frame + 4);
                    if (!frameSize) {
                        frameListCut = true;
                        break;
                    }
                    if (frameOffsets.size() < kMostModelledSteps) frameOffsets.push_back(frame);
                    ++frameCount;
                    frame += 8 + std::uint64_t{*frameSize};
                    read += 8 + std::uint64_t{*frameSize};
                }
                frameListRead = true;
                continue;
            }
        }
        at = data + *size + (*size & 1u);
    }
    if (frameListCut) return play.Refuse(LoaderNote::ReadsPastEnd);
    if (!rates.empty() && rates.size() != steps) return play.Refuse(LoaderNote::ListSize);
    if (!sequence.empty() && sequence.size() != steps) return play.Refuse(LoaderNote::ListSize);
    if (sequence.empty() && steps != frames) return play.Refuse(LoaderNote::StepsDifferFromFrames);
    if (!sequence.empty() && frames > frameCount) return play.Refuse(LoaderNote::FrameCountAboveFrameChunks);
    if (frameChunkBeforeList) return play.Refuse(LoaderNote::ChunkOrder);
    if (frameOffsets.empty()) return play.Refuse(LoaderNote::NoFrameList);

    // Reading: the first image is always the first stored frame; after each image the reader
    // seeks to the frame the sequence names next, or reads on to the next chunk.
    std::uint64_t position = frameOffsets.front();
    for (std::uint64_t image = 0; image < kMostModelledSteps; ++image) {
        if (!FourCcAt(source, position, "icon")) break;
        const std::uint32_t size = U32At(source, position + 4).value_or(0);
        if (size == 0) break;
        const std::uint64_t data = position + 8;
        const std::uint64_t available = std::min<std::uint64_t>(size, data < length ? length - data : 0);
        const FramePicture picture = InspectFramePicture(source, data, available, 32);
        if (picture != FramePicture::Bitmap && picture != FramePicture::TintedMono && picture != FramePicture::Compressed) {
            play.Note(LoaderNote::FrameDamaged);
            break;
        }
        const auto stored = std::find(frameOffsets.begin(), frameOffsets.end(), position);
        const std::int64_t frame = stored == frameOffsets.end() ? kOtherPicture : stored - frameOffsets.begin();
        const std::uint64_t next = image + 1;
        double delay = WholeMilliseconds(rate);
        if (!rates.empty()) delay = image < rates.size() ? WholeMilliseconds(rates.At(source, image)) : 0;
        if (sequence.empty()) {
            position = data + size;
        } else if (next < sequence.size()) {
            const std::uint64_t named = sequence.At(source, next);
            if (named > frameCount) {
                // The image is read but the reader reports failure, so it is never shown.
                play.Note(LoaderNote::SequenceBeyondFrames);
                break;
            }
            if (named == frameCount) play.Note(LoaderNote::SequenceBeyondFrames);
            // Past the frames this model keeps, the reader is taken to find nothing more.
            position = named < frameOffsets.size() ? frameOffsets[named] : length;
        } else {
            position = length;
        }
        play.steps.push_back({frame, delay});
    }
    if (play.steps.empty()) return play.Refuse(play.notes.empty() ? LoaderNote::FrameDamaged : play.notes.front());
    if (!sequence.empty() && sequence.At(source, 0) != 0) play.Note(LoaderNote::FirstStepShowsFrameOne);
    return play;
}

}  // namespace animace
