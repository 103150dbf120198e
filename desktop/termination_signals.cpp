#include "desktop/termination_signals.h"

#include "iconfile/blocked_termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

namespace desktop {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t received = 0;
int signalPipe[2] = {-1, -1};

extern "C" void NoteSignal(int signalNumber) {
    const int savedErrno = errno;
    if (received == 0) received = signalNumber;
    const char byte = static_cast<char>(signalNumber);
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    if (::write(signalPipe[1], &byte, 1) < 0) {
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals) ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    const int signalNumber = received;
    if (signalNumber == 0) return;
    // Ended by the signal itself, so whoever started the program sees why it ended.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signalNumber, &action, nullptr);
    const sigset_t set = iconfile::TerminationSignalSet();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signalNumber);
}

void TerminationSignals::WatchInEventLoop() {
    QCoreApplication* application = QCoreApplication::instance();
    if (signalPipe[0] < 0 || application == nullptr) return;
    // A child of the application, so it goes with it.
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, application);
    QObject::connect(notifier, &QSocketNotifier::activated, application, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        // Every event loop ends, the nested ones of open message boxes too; a box asked after
        // this answers at once with its escape button.
        QCoreApplication::exit(128 + received);
    });
}

int TerminationSignals::Received() { return received; }

}  // namespace desktop
