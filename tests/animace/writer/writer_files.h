#pragma once
// Helpers for the writer's tests: frame files and the answers a user gives.
#include <deque>
#include <string>
#include <vector>

#include "animace/writer/animated_cursor_writer.h"
#include "support/file_encoder.h"
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
