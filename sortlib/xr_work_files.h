// The file-system steps of one sort around its runs: the private work
// folder, the input and output checks, and turning the last run into the
// output file.
#pragma once

#include <string>

namespace xrsort {

// A new folder "XRsort.XXXXXX" (mode 0700) in the native folder `parent`,
// removed with everything in it when the object goes. Raises the I/O error
// when it cannot be made.
class WorkFolder {
 public:
  WorkFolder() = default;
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  void Make(const std::string& parent);
  bool Made() const { return !path_.empty(); }
  // The folder, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A file that is not a folder.
bool IsFile(const std::string& native);
// Both names lead to one file: the same existing file, or, where a name does
// not exist yet, the same path once the links on the way are followed.
bool SameFile(const std::string& a, const std::string& b);
// The mode of a new file under the process's umask.
unsigned DefaultFileMode();
// A new empty file beside `target` ("<target>.XXXXXX"); "" when none can be
// made, errno then telling why.
std::string MakeSiblingFile(const std::string& target);
// Copies `from` over `to` through a sibling file renamed into place, so that
// `to` is either whole or untouched; the copy gets the default mode.
bool CopyFileReplace(const std::string& from, const std::string& to);

}  // namespace xrsort
