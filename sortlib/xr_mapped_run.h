// A run file of text lines read through a mapping of it rather than copied
// into a buffer, for runs on a file system that lives in memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xrsort {

class TXRMappedRun {
 public:
  TXRMappedRun() = default;
  ~TXRMappedRun();
  TXRMappedRun(const TXRMappedRun&) = delete;
  TXRMappedRun& operator=(const TXRMappedRun&) = delete;

  // Maps the run `name`; raises its input/output error when it cannot be
  // opened or mapped.
  void Open(const std::string& name);
  bool AtEnd() const { return pos_ == size_; }
  // The next line, up to its CR LF (a run's lines hold no CR or LF): valid
  // until the next call. What lies well behind it is let go of.
  std::string_view NextLine();

 private:
  char* map_ = nullptr;
  size_t size_ = 0;
  size_t pos_ = 0;
  size_t kept_from_ = 0;  // the start of what is still mapped
};

// The folder lies on a file system in memory (tmpfs), where a mapped run
// can fail no read that a copy into a buffer could.
bool FolderInMemory(const std::string& folder);

}  // namespace xrsort
