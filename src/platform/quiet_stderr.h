#pragma once
// Keeps stderr quiet while it lives. The display and sound libraries under SDL print their own
// complaints while SDL probes for a display or a device that is not there; the game says what
// went wrong in one line of its own instead.

#include <fcntl.h>
#include <unistd.h>

namespace platform {

class QuietStderr {
 public:
  QuietStderr() : saved_(dup(STDERR_FILENO)) {
    const int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

}  // namespace platform
