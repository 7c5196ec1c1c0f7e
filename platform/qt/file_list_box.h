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

  // Runs when the user highlights a file, by a click (on the highlighted
  // file too) or with the keys.
  void OnClick(std::function<void()> handler) { on_click_ = std::move(handler); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Fire();

  std::function<void()> on_click_;
  // The press under way has already highlighted a file.
  bool changed_by_press_ = false;
  std::string path_;
  bool filling_ = false;
};

}  // namespace vb
