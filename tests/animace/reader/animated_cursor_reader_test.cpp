// The animated cursor reader on files of the tests' own encoder: steps streamed in blocks, size
// fields never trusted, and only headers read however long the frames are.
#include <gtest/gtest.h>

#include "animace/reader/animated_cursor_reader.h"
#include "support/file_encoder.h"

using namespace animace;

namespace {

Bytes PlainCursor(int size = 16) {
    return TestArgbCursor(size, 1, 2, [](int, int) { return 0xFF2040C0u; });
}

// Counts what the reader asks for; asking for bytes outside the file is a fault.
class CountingSource final : public ByteSource {
public:
    explicit CountingSource(const Bytes& bytes) : memory_(bytes) {}
    std::uint64_t Length() const override { return memory_.Length(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override {
        if (offset > Length() || into.size() > Length() - offset) ADD_FAILURE() << "read outside the file at " << offset;
        bytesRead += into.size();
        largestRead = std::max(largestRead, into.size());
        return memory_.ReadAt(offset, into);
    }
    std::size_t bytesRead = 0;
    std::size_t largestRead = 0;

private:
    MemoryByteSource memory_;
};

TEST(AnimatedCursorReader, StreamsManyStepsAcrossItsBlocks) {
    AnimationParts parts;
    parts.frames = {PlainCursor(), PlainCursor(), PlainCursor()};
    parts.sequence = std::vector<std::uint32_t>();
    for (std::uint32_t i = 0; i < 2500; ++i) {
        parts.sequence->push_back(i % 3);
        parts.rates.push_back(i + 1);
    }
    const Bytes file = EncodedAnimation(parts);
    CountingSource source(file);
    const AnimatedCursorLayout layout = ReadAnimatedCursorLayout(source);
    ASSERT_TRUE(layout.isAnimatedCursor);
    EXPECT_EQ(layout.frameChunks, 3u);
    EXPECT_EQ(layout.PlayableSteps(), 2500u);
    std::uint64_t expected = 0;
    EXPECT_TRUE(ForEachStep(source, layout, [&](const StepEntry& step) {
        EXPECT_EQ(step.index, expected);
        EXPECT_EQ(step.frame, expected % 3);
        EXPECT_EQ(step.jiffies, expected + 1);
        ++expected;
        return true;
    }));
    EXPECT_EQ(expected, 2500u);
    EXPECT_LE(source.largestRead, 4096u);
}

TEST(AnimatedCursorReader, DeclaredCountsAndSizesAreCutToWhatTheFileHolds) {
    AnimationParts parts;
    parts.frames = {PlainCursor(), PlainCursor()};
    parts.rates = {6, 6};
    parts.sequence = std::vector<std::uint32_t>{0, 1};
    parts.headerSteps = 0xFFFFFFFFu;
    parts.headerFrames = 0xFFFFFFFFu;
    parts.rateSize = 0x7FFFFFF0u;  // runs past the end: everything after it is inside it
    parts.riffSize = 0xFFFFFFF0u;
    const Bytes file = EncodedAnimation(parts);
    CountingSource source(file);
    const AnimatedCursorLayout layout = ReadAnimatedCursorLayout(source);
    ASSERT_TRUE(layout.isAnimatedCursor);
    EXPECT_TRUE(layout.chunkPassesEnd);
    EXPECT_EQ(layout.frameChunks, 0u);  // the frame list lies inside the oversized "rate" chunk
    EXPECT_LE(layout.PlayableSteps(), file.size() / 4);
    std::uint64_t steps = 0;
    EXPECT_TRUE(ForEachStep(source, layout, [&](const StepEntry&) { return ++steps, true; }));
    EXPECT_EQ(steps, layout.PlayableSteps());
}

TEST(AnimatedCursorReader, ReadsOnlyHeadersOfLongFramesAndPadsOddChunks) {
    AnimationParts parts;
    Bytes longFrame = TestArgbCursor(256, 40, 50, [](int, int) { return 0xFFFFFFFFu; });
    longFrame.push_back(1);  // odd length: a pad byte follows in the file
    parts.frames = {longFrame, longFrame, PlainCursor(16)};
    parts.rates = {6, 6, 6};
    parts.sequence = std::vector<std::uint32_t>{0, 1, 2};
    const Bytes file = EncodedAnimation(parts);
    ASSERT_GT(file.size(), 500000u);
    CountingSource source(file);
    const AnimatedCursorLayout layout = ReadAnimatedCursorLayout(source);
    EXPECT_EQ(layout.frameChunks, 3u);
    ASSERT_TRUE(layout.oddChunkOffset.has_value());
    std::vector<FrameEntry> frames;
    EXPECT_TRUE(ForEachFrame(source, layout, [&](const FrameEntry& frame) { return frames.push_back(frame), true; }));
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].width, 256);
    EXPECT_EQ(frames[0].hotSpotX, 40);
    EXPECT_EQ(frames[0].hotSpotY, 50);
    EXPECT_EQ(frames[0].length, longFrame.size());
    EXPECT_EQ(frames[2].width, 16);
    EXPECT_EQ(frames[2].resourceType, 2);
    EXPECT_LT(source.bytesRead, 1000u);
}

// The empty file was the fuzzer's first find: the reader asked for 12 bytes of it.
TEST(AnimatedCursorReader, RefusesWhatIsNoAnimatedCursorWithoutReadingPastIt) {
    for (const Bytes& bytes : {Bytes{}, Bytes{'R', 'I', 'F', 'F'}, Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
                               PlainCursor()}) {
        CountingSource source(bytes);
        const AnimatedCursorLayout layout = ReadAnimatedCursorLayout(source);
        EXPECT_FALSE(layout.isAnimatedCursor);
        EXPECT_EQ(layout.PlayableSteps(), 0u);
    }
}

}  // namespace
