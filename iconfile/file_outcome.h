#pragma once
// The result of a file operation: success, or the file that failed and the system's reason.
#include <string>
#include <utility>

namespace iconfile {

class [[nodiscard]] FileOutcome {
public:
    static FileOutcome Success() { return FileOutcome(); }
    static FileOutcome Failure(std::string path, std::string reason) {
        FileOutcome outcome;
        outcome.failed_ = true;
        outcome.path_ = std::move(path);
        outcome.reason_ = std::move(reason);
        return outcome;
    }
    // The reason for an errno value (or kNotARegularFile); an unknown cause (0) is an I/O error.
    static FileOutcome FromErrno(std::string path, int errorNumber);

    bool succeeded() const { return !failed_; }
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    FileOutcome() = default;
    bool failed_ = false;
    std::string path_;
    std::string reason_;
};

}  // namespace iconfile
