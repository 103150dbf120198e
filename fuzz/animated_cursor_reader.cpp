// Fuzz target of the animated cursor reader. Properties checked on every input: no read outside
// the file, never more frames or steps reported than the file has room for, and memory that does
// not grow with what the size fields declare.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "animace/reader/loader_verdicts.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#define KURZORY_COUNTS_HEAP 1
#endif
#endif

namespace {

// The reader keeps a few small blocks; anything near this grew from what the input declares.
constexpr std::size_t kMostHeapPerInput = 256 * 1024;

// Live heap bytes where the sanitizer counts them; without it the memory property is not checked.
std::size_t HeapBytes() {
#ifdef KURZORY_COUNTS_HEAP
    return __sanitizer_get_current_allocated_bytes();
#else
    return 0;
#endif
}

std::size_t baselineBytes = 0;
void CheckHeap() {
    if (HeapBytes() > baselineBytes + kMostHeapPerInput) std::abort();
}

class CheckedSource final : public animace::ByteSource {
public:
    CheckedSource(const std::uint8_t* data, std::size_t size) : memory_({data, size}) {}
    std::uint64_t Length() const override { return memory_.Length(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override {
        if (offset > Length() || into.size() > Length() - offset) std::abort();  // the reader asked past the end
        CheckHeap();
        return memory_.ReadAt(offset, into);
    }

private:
    animace::MemoryByteSource memory_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    baselineBytes = HeapBytes();
    CheckedSource source(data, size);
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    // Every frame chunk needs its 8-byte header, every step a 4-byte entry or a frame.
    if (layout.frameChunks > size / 8 || layout.PlayableSteps() > size / 4) std::abort();

    std::uint64_t steps = 0;
    animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
        if (step.index != steps++) std::abort();
        CheckHeap();
        return true;
    });
    if (layout.isAnimatedCursor && steps != layout.PlayableSteps()) std::abort();
    std::uint64_t frames = 0;
    animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        if (frame.dataOffset + frame.length > size) std::abort();
        ++frames;
        return true;
    });
    if (frames > layout.frameChunks) std::abort();
    const animace::FileVerdicts verdicts = animace::JudgeAnimatedCursor(source, layout);
    for (animace::CursorLoader loader : animace::kCursorLoaders)
        if (verdicts.Of(loader).notes.size() > 40) std::abort();
    CheckHeap();
    return 0;
}
