// A published page, built in memory and written whole: the old page is
// replaced only by a complete new one, and never through a link.
#pragma once

#include <string>
#include <string_view>

namespace common {

class PageFile {
 public:
  // `path` in Windows or native form.
  explicit PageFile(std::string path) : path_(std::move(path)) {}

  // Tests the page's name: a missing file or a writable regular file may be
  // replaced; anything else (a folder, a read-only file, a link) raises 75
  // and leaves the page closed.
  void Open();
  bool IsOpen() const { return open_; }

  // Adds a line ended by CR LF; raises 52 when the page is not open.
  void Print(std::string_view line);
  const std::string& Text() const { return text_; }

  // Replaces the page with the lines printed, in the old page's mode,
  // through a temporary file in its folder. On an error the temporary file
  // is removed, the old page stays as it was, and the error is raised.
  void Commit();

 private:
  std::string path_;
  std::string text_;
  bool open_ = false;
};

}  // namespace common
