#pragma once
// Running a program from a benchmark: its time and peak resident memory.
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Finished {
    bool ok = false;
    double seconds = 0;
    long peakKiB = 0;
};

// Runs a program with its output thrown away; its time and peak resident memory.
Finished Run(const std::vector<std::string>& words, const std::string& stdoutPath = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> arguments;
    for (const std::string& word : words) arguments.push_back(const_cast<char*>(word.c_str()));
    arguments.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Finished finished;
    if (spawned != 0) return finished;
    int status = 0;
    struct rusage usage {};
    if (::wait4(child, &status, 0, &usage) != child) return finished;
    finished.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    finished.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    finished.peakKiB = usage.ru_maxrss;
    return finished;
}

}  // namespace
