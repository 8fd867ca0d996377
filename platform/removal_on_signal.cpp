#include "platform/removal_on_signal.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>

namespace sarovin {

namespace {

// More files than the program ever writes at once.
constexpr std::size_t MOST_FILES = 32;
constexpr std::array<int, 3> ENDING_SIGNALS = {SIGINT, SIGTERM, SIGHUP};

// Read by the signal handler, so plain lock-free slots.
std::array<std::atomic<const char*>, MOST_FILES> removedNames{};

void RemoveAndEnd(int signal) {
    for (const std::atomic<const char*>& slot : removedNames) {
        if (const char* name = slot.load()) {
            ::unlink(name);
        }
    }
    // The handler was reset to the default on entry; the signal, blocked
    // until the handler returns, then ends the program as it would have.
    ::raise(signal);
}

void CatchEndingSignals() {
    for (const int signal : ENDING_SIGNALS) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) {
            continue;
        }
        struct sigaction removing {};
        removing.sa_handler = RemoveAndEnd;
        removing.sa_flags = SA_RESETHAND;
        sigemptyset(&removing.sa_mask);
        ::sigaction(signal, &removing, nullptr);
    }
}

}  // namespace

void RemoveOnSignal(const char* path) {
    CatchEndingSignals();
    for (std::atomic<const char*>& slot : removedNames) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path)) {
            return;
        }
    }
}

void ForgetRemoveOnSignal(const char* path) {
    for (std::atomic<const char*>& slot : removedNames) {
        const char* held = path;
        if (slot.compare_exchange_strong(held, nullptr)) {
            return;
        }
    }
}

}  // namespace sarovin
