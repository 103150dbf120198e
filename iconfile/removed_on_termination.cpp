#include "iconfile/removed_on_termination.h"

#include <array>
#include <atomic>
#include <csignal>
#include <unistd.h>

#include "iconfile/blocked_termination_signals.h"

namespace iconfile {
namespace {

struct Slot {
    std::atomic<const char*> path{nullptr};
    std::atomic<bool> folder{false};
};

// Far more than any command keeps at once: a folder, its subfolder and a file being written.
std::array<Slot, 32> slots;

extern "C" void RemoveAndEnd(int signalNumber) {
    // Files first, so the folders they were in are empty; nested folders go innermost first.
    for (Slot& slot : slots) {
        const char* path = slot.path.load();
        if (path != nullptr && !slot.folder.load()) ::unlink(path);
    }
    for (int round = 0; round < 3; ++round) {
        for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
            const char* path = slot->path.load();
            if (path != nullptr && slot->folder.load()) ::rmdir(path);
        }
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signalNumber, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signalNumber);
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signalNumber);
}

}  // namespace

void EndOnTerminationSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_mask = TerminationSignalSet();
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signalNumber, &action, nullptr);
}

void RemovedOnTermination::Register(std::string path, bool folder) {
    Forget();
    path_ = std::move(path);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].path.load() != nullptr) continue;
        slots[i].folder.store(folder);
        slots[i].path.store(path_.c_str());
        slot_ = static_cast<int>(i);
        return;
    }
}

void RemovedOnTermination::Forget() {
    if (slot_ >= 0) slots[static_cast<std::size_t>(slot_)].path.store(nullptr);
    slot_ = -1;
    path_.clear();
}

}  // namespace iconfile
