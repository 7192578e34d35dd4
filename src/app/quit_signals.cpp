#include "app/quit_signals.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace {
// Atomic: two signals may reach two of the game's threads at the same moment,
// and exactly one of them must be the first.
std::atomic<int> receivedSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "used inside a signal handler");

// Async-signal-safe: sigaction, sigprocmask and raise are.
void resetAndRaise(int signalNumber) {
    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    // Inside the handler the signal is blocked: let it through now.
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signalNumber);
}

void recordSignal(int signalNumber) {
    int none = 0;
    if (!receivedSignal.compare_exchange_strong(none, signalNumber)) resetAndRaise(signalNumber);
}
}  // namespace

void installQuitSignals() {
    struct sigaction action = {};
    action.sa_handler = recordSignal;
    sigemptyset(&action.sa_mask);
    // While one handler runs the others wait, so two signals at once still count as two.
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signalNumber);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaction(signalNumber, &action, nullptr);
}

int quitSignal() { return receivedSignal.load(); }

void endBySignal(int signalNumber) {
    resetAndRaise(signalNumber);
    // Only reached if the signal could not end the process.
    std::_Exit(128 + signalNumber);
}
