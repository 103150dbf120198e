#pragma once
// Temporary files and folders that a termination signal must not leave behind. A program that
// ends by SIGTERM, SIGINT or SIGHUP at once (the tool without windows) removes every path still
// registered here first, then ends by the signal. Plain C++: the handler only unlinks and raises.
#include <string>

namespace iconfile {

// Installs the handler for the three signals; the programs with windows keep their own.
void EndOnTerminationSignals();

class RemovedOnTermination {
public:
    RemovedOnTermination() = default;
    ~RemovedOnTermination() { Forget(); }
    RemovedOnTermination(const RemovedOnTermination&) = delete;
    RemovedOnTermination& operator=(const RemovedOnTermination&) = delete;

    // Registers `path`, a file or an empty-once-its-files-are-gone folder, in place of any
    // earlier one. Call with the signals held, right after creating it.
    void Register(std::string path, bool folder);
    // Called with the signals held, in the same step that moves or removes the path.
    void Forget();

private:
    std::string path_;
    int slot_ = -1;
};

}  // namespace iconfile
