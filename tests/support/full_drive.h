// Makes this process's file writes fail as on a full drive: no file may grow
// past a size (the file-size limit, its signal ignored), so that a write
// beyond it fails with the drive-full error, until Free() or the end.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace testing_support {

class FullDrive {
 public:
  explicit FullDrive(rlim_t bytes = 0);
  ~FullDrive() { Free(); }
  FullDrive(const FullDrive&) = delete;
  FullDrive& operator=(const FullDrive&) = delete;

  // Makes room again.
  void Free();

 private:
  rlimit saved_{};
  void (*saved_signal_)(int) = SIG_DFL;
  bool full_ = false;
};

}  // namespace testing_support
