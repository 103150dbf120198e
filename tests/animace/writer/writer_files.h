#pragma once
// Helpers for the writer's tests: frame files, the answers a user gives, and expected bytes.
#include <deque>
#include <string>
#include <vector>

#include "animace/writer/animated_cursor_writer.h"
#include "support/temp_files.h"

struct AskedFailure {
    std::string failure;
    std::string outputPath;
    std::string frameLine;
};

// Answers the writer's questions from scripts (No and Cancel once they run out) and records them.
struct User {
    std::deque<animace::OverwriteAnswer> overwriteAnswers;
    std::deque<animace::FailureAnswer> failureAnswers;
    int overwriteQuestions = 0;
    std::vector<AskedFailure> failures;
    // Runs before a failure is answered, as a user fixing the cause would.
    std::function<void()> beforeAnswer;

    animace::AskOverwrite overwrite() {
        return [this] {
            ++overwriteQuestions;
            if (overwriteAnswers.empty()) return animace::OverwriteAnswer::No;
            const auto answer = overwriteAnswers.front();
            overwriteAnswers.pop_front();
            return answer;
        };
    }
    animace::RetryOrCancel retry() {
        return [this](const std::string& failure, const std::string& path, const std::string& frame) {
            failures.push_back({failure, path, frame});
            if (beforeAnswer) beforeAnswer();
            if (failureAnswers.empty()) return animace::FailureAnswer::Cancel;
            const auto answer = failureAnswers.front();
            failureAnswers.pop_front();
            return answer;
        };
    }
};

inline Bytes Pattern(std::size_t length, std::uint8_t seed) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    return bytes;
}

// Little-endian file bytes built by hand from the format's table.
struct ExpectedBytes {
    Bytes bytes;
    ExpectedBytes& text(const std::string& t) {
        bytes.insert(bytes.end(), t.begin(), t.end());
        return *this;
    }
    ExpectedBytes& u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    ExpectedBytes& raw(const Bytes& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
};

// The whole file the writer must produce for these frames, frame indexes and jiffy rates. A frame
// of odd length gets one 0 byte inside its chunk.
inline Bytes ExpectedAnimation(const std::vector<Bytes>& frames, const std::vector<std::uint32_t>& indexes,
                               const std::vector<std::uint32_t>& rates) {
    const auto steps = static_cast<std::uint32_t>(indexes.size());
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(frame);
        if (frame.size() % 2 == 1) chunks.back().push_back(0);
    }
    std::uint32_t listSize = 4;
    for (const Bytes& chunk : chunks) listSize += 8 + static_cast<std::uint32_t>(chunk.size());
    ExpectedBytes e;
    e.text("RIFF").u32(72 + 8 * steps + listSize).text("ACON").text("anih").u32(36).u32(36);
    e.u32(static_cast<std::uint32_t>(frames.size())).u32(steps).u32(0).u32(0).u32(0).u32(0).u32(14).u32(3);
    e.text("rate").u32(4 * steps);
    for (std::uint32_t rate : rates) e.u32(rate);
    e.text("seq ").u32(4 * steps);
    for (std::uint32_t index : indexes) e.u32(index);
    e.text("LIST").u32(listSize).text("fram");
    for (const Bytes& chunk : chunks) e.text("icon").u32(static_cast<std::uint32_t>(chunk.size())).raw(chunk);
    return e.bytes;
}
