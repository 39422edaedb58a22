// SPDX-License-Identifier: MIT
#include "cli/removal_on_signal.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace isr::cli {

namespace {

// The file to remove; empty when none. Read by the handler, so a plain array.
char gPath[PATH_MAX + 1];
bool gTaken[NSIG];

// Every signal whose default action ends the program and that a handler can catch; the
// real-time signals are added at run time.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGILL,  SIGTRAP, SIGABRT,
                                  SIGBUS,  SIGFPE,  SIGUSR1,   SIGSEGV, SIGUSR2, SIGPIPE,
                                  SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU, SIGXFSZ, SIGVTALRM,
                                  SIGPROF, SIGIO,   SIGPWR,    SIGSYS};

extern "C" void RemoveAndDie(int signal) {
    if (gPath[0] != '\0') unlink(gPath);
    // Die of the same signal, so that the caller sees how the program ended: it is blocked until
    // the handler returns, and then finds the default action.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

void Take(int signal, const struct sigaction& action) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0) return;
    if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return;
    gTaken[signal] = sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(const std::string& path) {
    if (path.size() > PATH_MAX) return;
    std::memcpy(gPath, path.c_str(), path.size() + 1);
    struct sigaction action {};
    action.sa_handler = RemoveAndDie;
    sigfillset(&action.sa_mask);  // one signal's handler at a time
    for (const int signal : kEndingSignals) Take(signal, action);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) Take(signal, action);
}

RemovalOnSignal::~RemovalOnSignal() {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        if (gTaken[signal]) sigaction(signal, &fallback, nullptr);
        gTaken[signal] = false;
    }
    gPath[0] = '\0';
}

}  // namespace isr::cli
