#pragma once
// kurzory's tests: a plain cursor of the tests' own encoder and a runner for the real program.
#include <cstdint>
#include <cstdlib>
#include <sys/wait.h>
#include <optional>
#include <string>
#include <vector>

#include "support/file_encoder.h"
#include "support/temp_files.h"

inline Bytes PlainCursor(int size = 16, std::uint32_t argb = 0xFF2040C0) {
    return TestArgbCursor(size, 1, 2, [argb](int, int) { return argb; });
}

#ifdef KURZORY_BINARY
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the real program in `folder` with the given words.
inline RunResult RunKurzory(const ScratchFolder& folder, const std::vector<std::string>& words) {
    std::string command = "cd " + Quote(folder.root().string()) + " && " + Quote(KURZORY_BINARY);
    for (const std::string& word : words) command += " " + Quote(word);
    const auto outPath = folder.root() / ".run-out";
    const auto errPath = folder.root() / ".run-err";
    command += " > " + Quote(outPath.string()) + " 2> " + Quote(errPath.string());
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const Bytes out = ReadAll(outPath);
    const Bytes err = ReadAll(errPath);
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}
#endif
