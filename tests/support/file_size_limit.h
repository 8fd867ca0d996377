#pragma once

#include <sys/resource.h>

#include <csignal>

namespace sarovin::testing {

// Limits the size of files this process may write, for as long as it lives;
// root is bound by it too, unlike by folder permissions.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        // The signal the limit raises is left as it is: the save itself must
        // keep it from ending the program.
        previousHandler_ = std::signal(SIGXFSZ, SIG_DFL);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace sarovin::testing
