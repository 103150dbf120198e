#include "animace/writer/animated_cursor_writer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string_view>
#include <system_error>

#include "animace/number_text.h"
#include "desktop/folder_separator.h"

namespace animace {
namespace {

// Frames are copied through one buffer of this size, whatever their number or length.
constexpr std::int64_t kBlockSize = 1024 * 1024;
// Header flags: frames are icon resources (1) and the "seq " chunk is to be followed (2).
constexpr std::int64_t kFlags = 3;
constexpr std::int64_t kDefaultRate = 14;
constexpr std::int64_t kHeaderSize = 36;

std::string OutOfRangeText() { return std::generic_category().message(EOVERFLOW); }

std::span<const std::uint8_t> Ascii(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The frame index of a sequence entry, or -1 when the entry names no frame of the list.
std::int64_t FrameIndex(const std::string& entry, std::size_t frameCount) {
    const double number = LeadingNumber(entry);
    if (!(number >= 1) || number != std::floor(number) || number > static_cast<double>(frameCount)) return -1;
    return static_cast<std::int64_t>(number) - 1;
}

class Run {
public:
    Run(const AnimationInput& input, const std::string& path, const RetryOrCancel& retryOrCancel,
        FileOperations& files)
        : input_(input), path_(path), retryOrCancel_(retryOrCancel), files_(files), block_() {}

    WriteOutcome Write(const AskOverwrite& askOverwrite);

private:
    // Runs `operation` until it succeeds or the user cancels; on Cancel every open file is closed.
    template <typename Operation>
    bool Do(Operation&& operation) {
        while (true) {
            const std::string failure = operation();
            if (failure.empty()) return true;
            if (retryOrCancel_(failure, path_, FrameLine()) == FailureAnswer::Retry) continue;
            CloseAll();
            return false;
        }
    }

    std::string FrameLine() const {
        if (loopCounter_ < 0 || loopCounter_ >= static_cast<std::int64_t>(input_.frames.size())) return {};
        return input_.frames[static_cast<std::size_t>(loopCounter_)];
    }

    bool OpenOutput() {
        return Do([&] {
            const std::string failure = files_.OpenForUpdate(path_, output_);
            outputOpen_ = failure.empty();
            return failure;
        });
    }
    bool CloseOutput() {
        return Do([&] {
            const std::string failure = files_.Close(output_);
            outputOpen_ = !failure.empty();
            return failure;
        });
    }
    bool OpenFrame(const std::string& framePath) {
        return Do([&] {
            const std::string failure = files_.OpenForReading(framePath, frame_);
            frameOpen_ = failure.empty();
            return failure;
        });
    }
    bool CloseFrame() {
        return Do([&] {
            const std::string failure = files_.Close(frame_);
            frameOpen_ = !failure.empty();
            return failure;
        });
    }

    // Appends bytes at the end of what has been written; a retry writes them at the same offset.
    bool Append(std::span<const std::uint8_t> bytes) {
        if (!Do([&] { return files_.WriteAt(output_, length_, bytes); })) return false;
        length_ += static_cast<std::int64_t>(bytes.size());
        return true;
    }
    bool AppendText(std::string_view text) { return Append(Ascii(text)); }
    bool AppendLong(std::int64_t value) { return WriteLongAt(length_, value) && (length_ += 4, true); }
    bool WriteLongAt(std::int64_t offset, std::int64_t value) {
        return Do([&] {
            const auto bytes = LongToBytes(value);
            return bytes ? files_.WriteAt(output_, offset, *bytes) : OutOfRangeText();
        });
    }

    bool CopyFrame(const std::string& framePath);
    void CloseAll();

    const AnimationInput& input_;
    const std::string& path_;
    const RetryOrCancel& retryOrCancel_;
    FileOperations& files_;
    std::vector<std::uint8_t> block_;

    std::int64_t loopCounter_ = 0;
    FileHandle output_ = 0;
    bool outputOpen_ = false;
    FileHandle frame_ = 0;
    bool frameOpen_ = false;
    std::int64_t length_ = 0;  // the output's length: it is written from empty, front to back
};

void Run::CloseAll() {
    if (frameOpen_) static_cast<void>(files_.Close(frame_));
    if (outputOpen_) static_cast<void>(files_.Close(output_));
    frameOpen_ = outputOpen_ = false;
}

bool Run::CopyFrame(const std::string& framePath) {
    // A missing frame fails here, before anything of its chunk is written.
    if (!OpenFrame(framePath) || !CloseFrame()) return false;
    if (!OpenFrame(framePath)) return false;
    std::int64_t frameLength = 0;
    if (!Do([&] { return files_.Length(frame_, frameLength); })) return false;
    if (!AppendText("icon") || !AppendLong(frameLength)) return false;
    if (block_.empty() && frameLength > 0) block_.resize(static_cast<std::size_t>(kBlockSize));
    for (std::int64_t done = 0; done < frameLength;) {
        const auto size = static_cast<std::size_t>(std::min(kBlockSize, frameLength - done));
        const std::span<std::uint8_t> chunk(block_.data(), size);
        if (!Do([&] { return files_.ReadAt(frame_, done, chunk); })) return false;
        if (!Append(chunk)) return false;
        done += static_cast<std::int64_t>(size);
    }
    return CloseFrame();
}

WriteOutcome Run::Write(const AskOverwrite& askOverwrite) {
    const auto steps = static_cast<std::int64_t>(input_.sequence.size());
    const auto frameCount = static_cast<std::int64_t>(input_.frames.size());

    // 1-2: open, and replace an existing non-empty file only when the user agrees.
    if (!OpenOutput()) return WriteOutcome::Cancelled;
    std::int64_t existing = 0;
    if (!Do([&] { return files_.Length(output_, existing); })) return WriteOutcome::Cancelled;
    if (existing > 0) {
        if (askOverwrite() == OverwriteAnswer::No) {
            return CloseOutput() ? WriteOutcome::NotOverwritten : WriteOutcome::Cancelled;
        }
        if (!CloseOutput() || !Do([&] { return files_.Remove(path_); }) || !OpenOutput()) {
            return WriteOutcome::Cancelled;
        }
    }

    // 3-7: the header chunk.
    if (!AppendText("RIFF----ACONanih") || !AppendLong(kHeaderSize) || !AppendLong(kHeaderSize) ||
        !AppendLong(frameCount) || !AppendLong(steps)) {
        return WriteOutcome::Cancelled;
    }
    for (int field = 0; field < 4; ++field) {
        if (!AppendLong(0)) return WriteOutcome::Cancelled;
    }
    if (!AppendLong(kDefaultRate) || !AppendLong(kFlags)) return WriteOutcome::Cancelled;

    // 8: rates in jiffies; a missing or negative time fails on every retry.
    if (!AppendText("rate") || !AppendLong(4 * steps)) return WriteOutcome::Cancelled;
    for (loopCounter_ = 1; loopCounter_ <= steps; ++loopCounter_) {
        const auto step = static_cast<std::size_t>(loopCounter_ - 1);
        const std::int64_t rate = step < input_.stepTimes.size() ? 3 * std::int64_t{input_.stepTimes[step]} : -1;
        if (!AppendLong(rate)) return WriteOutcome::Cancelled;
    }

    // 9: the sequence as frame indexes; an entry that names no frame fails on every retry.
    if (!AppendText("seq ") || !AppendLong(4 * steps)) return WriteOutcome::Cancelled;
    for (loopCounter_ = 0; loopCounter_ < steps; ++loopCounter_) {
        const std::string& entry = input_.sequence[static_cast<std::size_t>(loopCounter_)];
        if (!AppendLong(FrameIndex(entry, input_.frames.size()))) return WriteOutcome::Cancelled;
    }

    // 10-11: the frame list, every frame stored once in pick order.
    const std::int64_t listSizeAt = length_ + 4;
    if (!AppendText("LIST----fram")) return WriteOutcome::Cancelled;
    for (loopCounter_ = 0; loopCounter_ < frameCount; ++loopCounter_) {
        if (!CopyFrame(input_.frames[static_cast<std::size_t>(loopCounter_)])) return WriteOutcome::Cancelled;
    }

    // 12-14: the two size fields, then a checked close.
    if (!WriteLongAt(listSizeAt, length_ - listSizeAt - 4) || !WriteLongAt(4, length_ - 8)) {
        return WriteOutcome::Cancelled;
    }
    return CloseOutput() ? WriteOutcome::Written : WriteOutcome::Cancelled;
}

}  // namespace

std::optional<std::array<std::uint8_t, 4>> LongToBytes(std::int64_t value) {
    if (value < 0 || value > kLargestLong) return std::nullopt;
    const auto v = static_cast<std::uint32_t>(value);
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
                                       static_cast<std::uint8_t>((v >> 16) & 0xFF),
                                       static_cast<std::uint8_t>(v >> 24)};
}

std::string NormalizeOutputName(const std::string& name) {
    // Byte offsets at which the code points of `name` start.
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if ((static_cast<unsigned char>(name[at]) & 0xC0) != 0x80) starts.push_back(at);
    }
    std::string completed = name;
    if (starts.size() < 4) completed += ".ani";
    else if (name[starts[starts.size() - 4]] != '.') completed += ".ani";
    return completed;
}

std::string NormalizeOutputFolder(const std::string& folder) {
    if (folder.empty() || folder.back() == desktop::kFolderSeparator) return folder;
    return folder + desktop::kFolderSeparator;
}

std::int64_t ExpectedFileLength(const AnimationInput& input, FileOperations& files) {
    std::int64_t length = 84 + 8 * static_cast<std::int64_t>(input.sequence.size());
    for (const std::string& frame : input.frames) {
        std::int64_t size = 0;
        if (!files.SizeOf(frame, size)) size = 0;
        length += 8 + size;
    }
    return length;
}

WriteOutcome WriteAnimatedCursor(const AnimationInput& input, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel,
                                 FileOperations& files) {
    // Replacing a frame would delete the user's cursor and then fail to copy it, forever.
    for (const std::string& frame : input.frames) {
        if (files.SameFile(outputPath, frame)) return WriteOutcome::OutputIsFrame;
    }
    if (ExpectedFileLength(input, files) > kLargestLong) return WriteOutcome::TooLarge;
    Run run(input, outputPath, retryOrCancel, files);
    return run.Write(askOverwrite);
}

WriteOutcome WriteAnimatedCursor(const AnimationInput& input, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel) {
    StdioFileOperations files;
    return WriteAnimatedCursor(input, outputPath, askOverwrite, retryOrCancel, files);
}

}  // namespace animace
