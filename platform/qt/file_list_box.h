// The file list box: the files (not folders) of one folder; Click fires
// when the user highlights a file.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <string_view>

namespace vb {

class FileListBox : public QListWidget {
 public:
  explicit FileListBox(QWidget* parent = nullptr);

  std::string Path() const { return path_; }
  // Lists the files of a folder; nothing is highlighted afterwards. A folder
  // that cannot be read raises its run-time error and changes nothing.
  void SetPath(std::string_view path);
  // The highlighted file's name, or "".
  std::string FileName() const;

 // Runs when the user highlights a file.
  void OnClick(std::function<void()> handler) { on_click_ = std::move(handler); }

 private:
  std::function<void()> on_click_;
  std::string path_;
  bool filling_ = false;
};

}  // namespace vb
