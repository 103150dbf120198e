// The animated cursor writer with hostile frame lists, sequences and times, an output that may
// already exist, and failing file operations answered with Retry or Cancel. A written file's
// declared sizes equal its length and its frames equal their files; anything else leaves the
// earlier output as it was; no temporary file is ever left.
#include <algorithm>
#include <cerrno>

#include "animace/writer/animated_cursor_writer.h"
#include "fuzz_input.h"
#include "iconfile/little_endian.h"
#include "support/memory_file_operations.h"
#include "support/scripted_file_operations.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& bytes, std::size_t at) {
    FUZZ_CHECK(at + 4 <= bytes.size());
    return iconfile::ReadU32(bytes, at);
}

std::string Text(const Bytes& bytes, std::size_t at) {
    FUZZ_CHECK(at + 4 <= bytes.size());
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

// Reads the written file back field by field against what was asked for.
void CheckWritten(const Bytes& file, const animace::Animation& input, const std::map<std::string, Bytes>& frames) {
    const auto steps = static_cast<std::uint32_t>(input.steps.size());
    FUZZ_CHECK(Text(file, 0) == "RIFF" && U32(file, 4) + 8 == file.size());
    FUZZ_CHECK(Text(file, 8) == "ACON" && Text(file, 12) == "anih" && U32(file, 16) == 36 && U32(file, 20) == 36);
    FUZZ_CHECK(U32(file, 24) == input.frames.size() && U32(file, 28) == steps);
    FUZZ_CHECK(Text(file, 56) == "rate" && U32(file, 60) == 4 * steps);
    for (std::uint32_t k = 0; k < steps; ++k) FUZZ_CHECK(U32(file, 64 + 4 * k) == 3u * static_cast<std::uint32_t>(input.steps.at(k).twentieths));
    const std::size_t seqAt = 64 + 4 * steps;
    FUZZ_CHECK(Text(file, seqAt) == "seq " && U32(file, seqAt + 4) == 4 * steps);
    for (std::uint32_t k = 0; k < steps; ++k) FUZZ_CHECK(U32(file, seqAt + 8 + 4 * k) < input.frames.size());
    const std::size_t listAt = seqAt + 8 + 4 * steps;
    FUZZ_CHECK(Text(file, listAt) == "LIST" && U32(file, listAt + 4) + listAt + 8 == file.size());
    FUZZ_CHECK(Text(file, listAt + 8) == "fram");
    std::size_t at = listAt + 12;
    for (const std::string& frame : input.frames) {
        const Bytes& bytes = frames.at(frame);
        FUZZ_CHECK(Text(file, at) == "icon" && U32(file, at + 4) == bytes.size() + bytes.size() % 2);
        FUZZ_CHECK(at + 8 + bytes.size() + bytes.size() % 2 <= file.size());
        FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at + 8)));
        if (bytes.size() % 2 == 1) FUZZ_CHECK(file[at + 8 + bytes.size()] == 0);
        at += 8 + bytes.size() + bytes.size() % 2;
    }
    FUZZ_CHECK(at == file.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput fuzz(data, size);
    MemoryFileOperations memory;
    memory.folders.insert("/anim");
    const std::string output = "/anim/out.ani";

    // The output: absent, empty, an earlier file, a folder or a FIFO.
    switch (fuzz.Below(5)) {
        case 1: memory.files[output]; break;
        case 2: memory.files[output] = fuzz.Bytes(64); break;
        case 3: memory.folders.insert(output); break;
        case 4: memory.fifos.insert(output); break;
        default: break;
    }

    animace::Animation input;
    const std::size_t frameCount = fuzz.Below(7);
    for (std::size_t k = 0; k < frameCount; ++k) {
        std::string path = "/anim/f" + std::to_string(k) + ".cur";
        switch (fuzz.Below(12)) {
            case 0: break;  // missing
            case 1: memory.fifos.insert(path); break;
            case 2: memory.folders.insert(path); break;
            case 3: path = output; break;
            case 4: path = "/anim/./out.ani"; break;
            case 5: if (!input.frames.empty()) path = input.frames[fuzz.Below(input.frames.size())]; break;
            default: memory.files[path] = fuzz.Bytes(300); break;
        }
        input.frames.push_back(path);
    }
    const std::size_t steps = fuzz.Below(6);
    for (std::size_t k = 0; k < steps; ++k) {
        const int frame = fuzz.Flag() ? static_cast<int>(fuzz.Below(frameCount + 1)) : fuzz.Int32();
        const std::int32_t time = fuzz.Int32();
        input.steps.push_back({frame, fuzz.Flag() ? time % 200 : time});
    }

    ScriptedFileOperations files(memory);
    files.failFrom = fuzz.Below(120);
    files.failCount = 1 + fuzz.Below(4);
    files.partialWrites = fuzz.Flag();
    const int errnos[] = {ENOSPC, EIO, EACCES, ENOENT, EROFS, EINTR};
    files.failErrno = errnos[fuzz.Below(std::size(errnos))];
    const bool overwrite = fuzz.Flag();
    const std::uint8_t answers = fuzz.Byte();
    int questions = 0;

    const std::map<std::string, Bytes> before = memory.files;
    const std::set<std::string> foldersBefore = memory.folders, fifosBefore = memory.fifos;
    const std::int64_t expectedLength = animace::ExpectedFileLength(input, memory);
    bool asked = false;
    const animace::WriteOutcome outcome = animace::WriteAnimatedCursor(
        input, output,
        [&] {
            FUZZ_CHECK(!asked);
            asked = true;
            return overwrite ? animace::OverwriteAnswer::Yes : animace::OverwriteAnswer::No;
        },
        [&](const std::string& failure, const std::string& path, const std::string&) {
            FUZZ_CHECK(!failure.empty() && path == output);
            // A failure that cannot go away is only left by Cancel.
            return questions < 8 && ((answers >> (questions++ % 8)) & 1) != 0 ? animace::FailureAnswer::Retry
                                                                              : animace::FailureAnswer::Cancel;
        },
        files);

    FUZZ_CHECK(memory.openCount() == 0);
    FUZZ_CHECK(memory.folders == foldersBefore && memory.fifos == fifosBefore);
    // A temporary file stays only where removing it was made to fail.
    bool removeFailed = false;
    for (std::size_t call = files.failFrom; call > 0 && call < files.failFrom + files.failCount && call <= files.log.size(); ++call)
        removeFailed = removeFailed || files.log[call - 1].starts_with("remove ");
    for (auto part = memory.files.begin(); part != memory.files.end();) {
        FUZZ_CHECK(!part->first.ends_with(".part") || removeFailed);
        part = part->first.ends_with(".part") ? memory.files.erase(part) : std::next(part);
    }
    for (const auto& [path, bytes] : before)
        if (path != output) FUZZ_CHECK(memory.files.at(path) == bytes);
    const bool frameIsOutput = std::any_of(input.frames.begin(), input.frames.end(), [&](const std::string& frame) {
        return memory.Canonical(frame) == output;
    });
    FUZZ_CHECK((outcome == animace::WriteOutcome::OutputIsFrame) == frameIsOutput);
    if (asked) FUZZ_CHECK(before.contains(output) && !before.at(output).empty());

    if (outcome == animace::WriteOutcome::Written) {
        FUZZ_CHECK(memory.files.size() == before.size() + (before.contains(output) ? 0 : 1));
        const Bytes& file = memory.files.at(output);
        FUZZ_CHECK(static_cast<std::int64_t>(file.size()) == expectedLength);
        CheckWritten(file, input, before);
        // The last temporary file was flushed, closed and renamed, then the folder flushed.
        const auto lastCreate = std::find_if(files.log.rbegin(), files.log.rend(),
                                             [](const std::string& entry) { return entry.starts_with("create "); });
        FUZZ_CHECK(lastCreate != files.log.rend());
        auto step = lastCreate.base();
        for (const char* expected : {"sync", "close", "rename ", "sync-folder "}) {
            step = std::find_if(step, files.log.end(), [&](const std::string& entry) { return entry.starts_with(expected); });
            FUZZ_CHECK(step != files.log.end());
        }
    } else {
        FUZZ_CHECK(memory.files == before);
    }
    return 0;
}
