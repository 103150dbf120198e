// Walks over runs of zero bytes: crossed in one step, with the verdicts of a walk that reads every
// empty chunk, and in bounded time on a 2 GiB sparse file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "animace/reader/loader_verdicts.h"
#include "support/file_encoder.h"

using namespace animace;

namespace {

// The same bytes, but no run of zeros is ever crossed in one step.
class ChunkByChunk final : public ByteSource {
public:
    explicit ChunkByChunk(ByteSource& bytes) : bytes_(bytes) {}
    std::uint64_t Length() const override { return bytes_.Length(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override { return bytes_.ReadAt(offset, into); }
    std::uint64_t ZeroRunEnd(std::uint64_t offset, std::uint64_t) override { return offset; }

private:
    ByteSource& bytes_;
};

std::string Described(ByteSource& source) {
    const FileVerdicts verdicts = JudgeAnimatedCursor(source, ReadAnimatedCursorLayout(source));
    std::string text = verdicts.readable ? "readable" : "unreadable";
    for (const LoaderVerdict* loader : {&verdicts.wine, &verdicts.gdkPixbuf, &verdicts.kde}) {
        text += " | " + std::to_string(static_cast<int>(loader->verdict)) + ":";
        for (LoaderNote note : loader->notes) text += " " + std::to_string(static_cast<int>(note));
    }
    text += " |";
    for (Irregularity irregularity : verdicts.irregularities) text += " " + std::to_string(static_cast<int>(irregularity));
    return text;
}

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::size_t Find(const Bytes& bytes, const char* id, std::size_t from = 0) {
    for (std::size_t at = from; at + 4 <= bytes.size(); ++at)
        if (std::memcmp(bytes.data() + at, id, 4) == 0) return at;
    return bytes.size();
}

Bytes TwoFrames() {
    AnimationParts parts;
    const Bytes frame = TestArgbCursor(16, 1, 1, [](int, int) { return 0xFF3060A0u; });
    parts.frames = {frame, frame};
    parts.rates = {6, 9};
    parts.sequence = std::vector<std::uint32_t>{1, 0};
    return EncodedAnimation(parts);
}

}  // namespace

TEST(ZeroRunWalk, KeepsEveryVerdictOfTheChunkByChunkWalk) {
    const Bytes original = TwoFrames();
    const std::size_t header = Find(original, "anih");
    const std::size_t list = Find(original, "LIST");
    const std::size_t secondFrame = Find(original, "icon", Find(original, "icon") + 4);
    struct Place {
        const char* name;
        std::size_t at;
        bool growsList;
    };
    for (const Place place : {Place{"before anih", header, false}, Place{"before the frame list", list, false},
                              Place{"between frames", secondFrame, true}, Place{"at the end", original.size(), false}}) {
        for (std::size_t zeros : {4u, 8u, 14u, 64u, 4097u, 40000u}) {
            for (int riff = 0; riff < 4; ++riff) {
                Bytes bytes = original;
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(place.at), zeros, 0);
                if (place.growsList) PutU32(bytes, list + 4, static_cast<std::uint32_t>(bytes.size() - list - 8));
                // The RIFF size as written (so its end lies in the run), fitting, 0xFFFFFFFF and 0.
                const std::uint32_t sizes[] = {static_cast<std::uint32_t>(original.size() - 8),
                                               static_cast<std::uint32_t>(bytes.size() - 8), 0xFFFFFFFFu, 0u};
                PutU32(bytes, 4, sizes[riff]);
                MemoryByteSource memory(bytes);
                ChunkByChunk walked(memory);
                EXPECT_EQ(Described(memory), Described(walked)) << place.name << ", " << zeros << " zeros, RIFF size " << riff;
            }
        }
    }
}

TEST(ZeroRunWalk, AnswersOnTwoGibibytesOfZerosInBoundedTime) {
    const Bytes original = TwoFrames();
    // The header, then a frame list declared to run to the end, then nothing but zeros.
    Bytes start(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(Find(original, "LIST") + 12));
    const std::uint64_t length = std::uint64_t{2} << 30;
    for (const std::uint32_t riffSize : {0x7FFFFFF8u, 0xFFFFFFFFu}) {
        PutU32(start, 4, riffSize);
        PutU32(start, start.size() - 8, static_cast<std::uint32_t>(length - (start.size() - 8)));
        const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / "zeros.ani";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(start.data()), static_cast<std::streamsize>(start.size()));
        std::filesystem::resize_file(path, length);  // sparse: the zeros take no disk
        FileByteSource source;
        ASSERT_TRUE(source.Open(path.string()).succeeded());
        const auto began = std::chrono::steady_clock::now();
        const FileVerdicts verdicts = JudgeAnimatedCursor(source, ReadAnimatedCursorLayout(source));
        const auto took = std::chrono::steady_clock::now() - began;
        std::filesystem::remove(path);
        EXPECT_TRUE(verdicts.readable);
        // 0xFFFFFFFF wraps to an empty RIFF for Wine.
        EXPECT_EQ(verdicts.wine.verdict, riffSize == 0xFFFFFFFFu ? Verdict::Refuses : Verdict::Crashes);
        EXPECT_EQ(verdicts.kde.verdict, Verdict::Refuses);
        EXPECT_LT(took, std::chrono::seconds(2)) << "RIFF size " << riffSize;
    }
}
