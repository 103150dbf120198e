#include "animace/writer/animated_cursor_writer.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <system_error>

#include "iconfile/folder_separator.h"
#include "iconfile/replacement_file.h"

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

// The step's frame index, or -1 when it names no frame of the list.
std::int64_t FrameIndex(const AnimationStep& step, std::size_t frameCount) {
    if (step.frame < 0 || static_cast<std::size_t>(step.frame) >= frameCount) return -1;
    return step.frame;
}

class Run {
public:
    Run(const Animation& animation, const std::string& path, const RetryOrCancel& retryOrCancel,
        iconfile::FileOperations& files)
        : animation_(animation), path_(path), retryOrCancel_(retryOrCancel), files_(files), output_(path, files) {}

    WriteOutcome Write(const AskOverwrite& askOverwrite);
    const std::string& failedFile() const { return failedFile_; }

private:
    enum class Attempt { Done, Again, Cancelled };

    // Runs `operation` until it succeeds or the user cancels; on Cancel every open file is closed
    // and the temporary file removed.
    template <typename Operation>
    bool Do(Operation&& operation) {
        Attempt attempt;
        while ((attempt = Try(operation)) == Attempt::Again) {
        }
        return attempt == Attempt::Done;
    }
    // Runs `operation` once; Again when it failed and the user chose Retry.
    template <typename Operation>
    Attempt Try(Operation&& operation) {
        const iconfile::FileOutcome outcome = operation();
        if (outcome.succeeded()) return Attempt::Done;
        // Writes to the temporary file fail under its name, which the user never chose.
        const bool frame = std::find(animation_.frames.begin(), animation_.frames.end(), outcome.path()) != animation_.frames.end();
        failedFile_ = frame ? outcome.path() : path_;
        if (retryOrCancel_(outcome.reason(), path_, FrameLine()) == FailureAnswer::Retry) return Attempt::Again;
        CloseAll();
        return Attempt::Cancelled;
    }

    std::string FrameLine() const {
        if (loopCounter_ < 0 || loopCounter_ >= static_cast<std::int64_t>(animation_.frames.size())) return {};
        return animation_.frames[static_cast<std::size_t>(loopCounter_)];
    }

    bool OpenFrame(const std::string& framePath) {
        return Do([&] {
            iconfile::FileOutcome outcome = files_.OpenForReading(framePath, frame_);
            frameOpen_ = outcome.succeeded();
            return outcome;
        });
    }
    // A handle is gone once closed, whatever closing said; a frame was only read, so a retry
    // after a failed close has nothing left to do.
    bool CloseFrame() {
        return Do([&] {
            if (!frameOpen_) return iconfile::FileOutcome::Success();
            frameOpen_ = false;
            return files_.Close(frame_);
        });
    }

    // Appends bytes at the end of what has been written; a retry writes them at the same offset.
    bool Append(std::span<const std::uint8_t> bytes) {
        if (!Do([&] { return files_.WriteAt(output_.handle(), length_, bytes); })) return false;
        length_ += static_cast<std::int64_t>(bytes.size());
        return true;
    }
    bool AppendText(std::string_view text) { return Append(Ascii(text)); }
    bool AppendLong(std::int64_t value) { return WriteLongAt(length_, value) && (length_ += 4, true); }
    bool WriteLongAt(std::int64_t offset, std::int64_t value) {
        return Do([&] {
            const auto bytes = LongToBytes(value);
            return bytes ? files_.WriteAt(output_.handle(), offset, *bytes)
                         : iconfile::FileOutcome::Failure(path_, OutOfRangeText());
        });
    }

    // Writes the whole file into a new temporary file and puts it in place; Again when the
    // temporary file has to be started anew.
    Attempt WriteTemporaryFile();
    bool CopyFrame(const std::string& framePath);
    void CloseAll();

    const Animation& animation_;
    const std::string& path_;
    const RetryOrCancel& retryOrCancel_;
    iconfile::FileOperations& files_;
    iconfile::ReplacementFile output_;
    std::vector<std::uint8_t> block_;
    std::string failedFile_;

    std::int64_t loopCounter_ = 0;
    iconfile::FileHandle frame_ = 0;
    bool frameOpen_ = false;
    std::int64_t length_ = 0;  // the temporary file's length: it is written from empty, front to back
};

void Run::CloseAll() {
    if (frameOpen_) static_cast<void>(files_.Close(frame_));
    frameOpen_ = false;
    output_.Abandon();
}

bool Run::CopyFrame(const std::string& framePath) {
    // A missing frame fails here, before anything of its chunk is written.
    if (!OpenFrame(framePath) || !CloseFrame()) return false;
    if (!OpenFrame(framePath)) return false;
    std::int64_t frameLength = 0;
    if (!Do([&] { return files_.Length(frame_, frameLength); })) return false;
    // Readers skip a pad byte after an odd chunk while others walk the list without one: a zero
    // byte inside the chunk, after the cursor's own bytes, satisfies both.
    const std::int64_t padding = frameLength % 2;
    if (!AppendText("icon") || !AppendLong(frameLength + padding)) return false;
    // One buffer for all frames, grown to the largest block needed so far.
    const auto blockSize = static_cast<std::size_t>(std::min(kBlockSize, frameLength));
    if (block_.size() < blockSize) block_.resize(blockSize);
    for (std::int64_t done = 0; done < frameLength;) {
        const auto size = static_cast<std::size_t>(std::min(static_cast<std::int64_t>(block_.size()), frameLength - done));
        const std::span<std::uint8_t> chunk(block_.data(), size);
        if (!Do([&] { return files_.ReadAt(frame_, done, chunk); })) return false;
        if (!Append(chunk)) return false;
        done += static_cast<std::int64_t>(size);
    }
    if (!CloseFrame()) return false;
    static constexpr std::uint8_t kPad[1] = {0};
    return padding == 0 || Append(kPad);
}

Run::Attempt Run::WriteTemporaryFile() {
    const auto steps = static_cast<std::int64_t>(animation_.steps.size());
    const auto frameCount = static_cast<std::int64_t>(animation_.frames.size());
    loopCounter_ = 0;
    length_ = 0;
    if (!Do([&] { return output_.Create(); })) return Attempt::Cancelled;

    // 3-7: the header chunk.
    if (!AppendText("RIFF----ACONanih") || !AppendLong(kHeaderSize) || !AppendLong(kHeaderSize) ||
        !AppendLong(frameCount) || !AppendLong(steps)) {
        return Attempt::Cancelled;
    }
    for (int field = 0; field < 4; ++field) {
        if (!AppendLong(0)) return Attempt::Cancelled;
    }
    if (!AppendLong(kDefaultRate) || !AppendLong(kFlags)) return Attempt::Cancelled;

    // 8: rates in jiffies; a negative time fails on every retry.
    if (!AppendText("rate") || !AppendLong(4 * steps)) return Attempt::Cancelled;
    for (loopCounter_ = 1; loopCounter_ <= steps; ++loopCounter_) {
        const AnimationStep& step = animation_.steps[static_cast<std::size_t>(loopCounter_ - 1)];
        if (!AppendLong(3 * std::int64_t{step.twentieths})) return Attempt::Cancelled;
    }

    // 9: the sequence as frame indexes; a step that names no frame fails on every retry.
    if (!AppendText("seq ") || !AppendLong(4 * steps)) return Attempt::Cancelled;
    for (loopCounter_ = 0; loopCounter_ < steps; ++loopCounter_) {
        const AnimationStep& step = animation_.steps[static_cast<std::size_t>(loopCounter_)];
        if (!AppendLong(FrameIndex(step, animation_.frames.size()))) return Attempt::Cancelled;
    }

    // 10-11: the frame list, every frame stored once in pick order.
    const std::int64_t listSizeAt = length_ + 4;
    if (!AppendText("LIST----fram")) return Attempt::Cancelled;
    for (loopCounter_ = 0; loopCounter_ < frameCount; ++loopCounter_) {
        if (!CopyFrame(animation_.frames[static_cast<std::size_t>(loopCounter_)])) return Attempt::Cancelled;
    }

    // 12-13: the two size fields.
    if (!WriteLongAt(listSizeAt, length_ - listSizeAt - 4) || !WriteLongAt(4, length_ - 8)) {
        return Attempt::Cancelled;
    }

    // 14: on the disk, closed, in place. After a failed flush or close the bytes already handed
    // to the system may be lost, so a retry writes the temporary file again from the start.
    for (iconfile::FileOutcome (iconfile::ReplacementFile::*step)() :
         {&iconfile::ReplacementFile::Sync, &iconfile::ReplacementFile::Close}) {
        if (const Attempt attempt = Try([&] { return (output_.*step)(); }); attempt != Attempt::Done) {
            if (attempt == Attempt::Again) output_.Abandon();
            return attempt;
        }
    }
    if (!Do([&] { return output_.Rename(); })) return Attempt::Cancelled;
    static_cast<void>(output_.SyncFolder());
    return Attempt::Done;
}

WriteOutcome Run::Write(const AskOverwrite& askOverwrite) {
    // 1-2: the output must be replaceable, and an existing non-empty file is replaced only when
    // the user agrees; nothing is written before that.
    if (!Do([&] { return output_.CheckTarget(); })) return WriteOutcome::Cancelled;
    if (output_.targetLength() > 0 && askOverwrite() == OverwriteAnswer::No) return WriteOutcome::NotOverwritten;
    Attempt attempt;
    while ((attempt = WriteTemporaryFile()) == Attempt::Again) {
    }
    return attempt == Attempt::Done ? WriteOutcome::Written : WriteOutcome::Cancelled;
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
    if (folder.empty() || folder.back() == iconfile::kFolderSeparator) return folder;
    return folder + iconfile::kFolderSeparator;
}

std::int64_t ExpectedFileLength(const Animation& animation, iconfile::FileOperations& files) {
    std::int64_t length = 84 + 8 * static_cast<std::int64_t>(animation.steps.size());
    for (const std::string& frame : animation.frames) {
        const iconfile::FileStatus status = files.Status(frame);
        const std::int64_t size = status.kind == iconfile::FileKind::Regular ? status.size : 0;
        length += 8 + size + size % 2;
    }
    return length;
}

WriteOutcome WriteAnimatedCursor(const Animation& animation, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel,
                                 iconfile::FileOperations& files, std::string* failedFile) {
    // Replacing a frame would lose the user's cursor; a frame that does not exist yet would be
    // read back from the file being written.
    const std::string output = files.Canonical(outputPath);
    for (const std::string& frame : animation.frames) {
        if (files.Canonical(frame) == output || files.SameFile(outputPath, frame)) return WriteOutcome::OutputIsFrame;
    }
    if (ExpectedFileLength(animation, files) > kLargestLong) return WriteOutcome::TooLarge;
    Run run(animation, outputPath, retryOrCancel, files);
    const WriteOutcome outcome = run.Write(askOverwrite);
    if (failedFile != nullptr) *failedFile = run.failedFile();
    return outcome;
}

WriteOutcome WriteAnimatedCursor(const Animation& animation, const std::string& outputPath,
                                 const AskOverwrite& askOverwrite, const RetryOrCancel& retryOrCancel) {
    iconfile::SystemFileOperations files;
    return WriteAnimatedCursor(animation, outputPath, askOverwrite, retryOrCancel, files);
}

}  // namespace animace
