#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "support/temp_files.h"

extern char** environ;
namespace fs = std::filesystem;

namespace {

// Whether the process has its own handler for `signalNumber` yet.
bool Catches(pid_t pid, int signalNumber) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1)) & 1;
    }
    return false;
}

struct Ending {
    bool bySignal = false;
    int signalNumber = 0;
};

// Starts `program` with an empty temporary folder of its own, sends `signalNumber` once it
// handles it and its event loop is running, and waits for the end.
Ending SignalWhileRunning(const std::string& program, const std::string& argument, const fs::path& temp,
                          int signalNumber) {
    // A desktop session has its own runtime folder; without one Qt would make it in TMPDIR.
    const fs::path runtime = temp.parent_path() / "runtime";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    std::vector<std::string> environment = {"TMPDIR=" + temp.string(), "QT_QPA_PLATFORM=offscreen",
                                            "HOME=" + temp.parent_path().string(), "XDG_RUNTIME_DIR=" + runtime.string()};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('=') + 1);
        if (name != "TMPDIR=" && name != "QT_QPA_PLATFORM=" && name != "HOME=" && name != "XDG_RUNTIME_DIR=")
            environment.push_back(text);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string programCopy = program, argumentCopy = argument;
    char* argv[] = {programCopy.data(), argumentCopy.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return {};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!Catches(pid, signalNumber) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(700));  // into the event loop or a message box
    ::kill(pid, signalNumber);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFSIGNALED(status), WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

}  // namespace

TEST(TerminationSignals, EveryProgramEndsByTheSignalAndLeavesItsTemporaryFolderEmpty) {
    struct Case {
        const char* program;
        std::string argument;
        int signalNumber;
    };
    ScratchFolder work;
    fs::copy_file(fs::path(KURZORY_SAMPLES_DIR) / "kytka16.ico", work.path("kytka16.ico"));
    fs::copy_file(fs::path(KURZORY_SAMPLES_DIR) / "hvezda32.bmp", work.path("hvezda32.bmp"));
    WriteAll(work.path("text.txt"), Bytes{'a', 'b', 'c'});
    const Case cases[] = {
        {SKIREN_PROGRAM, work.path("kytka16.ico").string(), SIGTERM},  // the hot-spot editor
        {SKIREN_PROGRAM, work.path("text.txt").string(), SIGHUP},       // a refusal box waits for OK
        {PELCOR_PROGRAM, work.path("hvezda32.bmp").string(), SIGINT},
        {PELCOR_PROGRAM, work.path("text.txt").string(), SIGTERM},
        {ANIMACE_PROGRAM, work.path("nova.ani").string(), SIGTERM},
    };
    for (const Case& c : cases) {
        const fs::path temp = work.path("tmp");
        fs::create_directory(temp);
        const Ending ending = SignalWhileRunning(c.program, c.argument, temp, c.signalNumber);
        EXPECT_TRUE(ending.bySignal) << c.program << " " << c.argument;
        EXPECT_EQ(ending.signalNumber, c.signalNumber) << c.program << " " << c.argument;
        EXPECT_EQ(FilesIn(temp), 0u) << c.program << " " << c.argument;
        fs::remove_all(temp);
    }
    EXPECT_EQ(FilesIn(work.root()), 4u) << "no output was written";  // the samples and the runtime folder
}
