#include "app/quit_signals.h"

#include <csignal>
#include <initializer_list>

namespace {
volatile std::sig_atomic_t receivedSignal = 0;

void recordSignal(int signalNumber) { receivedSignal = signalNumber; }
}  // namespace

void installQuitSignals() {
    struct sigaction action = {};
    action.sa_handler = recordSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaction(signalNumber, &action, nullptr);
}

int quitSignal() { return receivedSignal; }
