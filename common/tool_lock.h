// The lock that lets one run of a tool at a time work in its folder: a lock
// file of the tool's own, tried once at start-up and held while it lives.
#pragma once

#include <string>

#include "platform/file_lock.h"

namespace common {

class ToolLock {
 public:
  // Tries the lock on `file_name` in `tool_folder` (which ends in its
  // separator); the file is made when missing and never renamed or removed.
  ToolLock(const std::string& tool_folder, const char* file_name);
  ToolLock(const ToolLock&) = delete;
  ToolLock& operator=(const ToolLock&) = delete;

  // False when another run of the tool holds it.
  bool held() const { return held_; }

 private:
  vb::FileLock lock_;
  bool held_ = false;
};

}  // namespace common
