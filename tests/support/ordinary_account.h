#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace sarovin::testing {

// The account tests take when they need one that is not root.
inline constexpr uid_t NOBODY = 65534;

// Runs `check` in a child process as an account that is not root, where
// root runs the tests, for root may write any file and is bound by no
// process limit. True when the check held.
inline bool HoldsForAnOrdinaryAccount(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::geteuid() != 0 || (::setgid(NOBODY) == 0 && ::setuid(NOBODY) == 0);
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace sarovin::testing
