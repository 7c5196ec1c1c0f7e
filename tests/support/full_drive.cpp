#include "tests/support/full_drive.h"

namespace testing_support {

FullDrive::FullDrive(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  saved_signal_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved_;
  small.rlim_cur = bytes;
  full_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

void FullDrive::Free() {
  if (!full_) return;
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, saved_signal_);
  full_ = false;
}

}  // namespace testing_support
