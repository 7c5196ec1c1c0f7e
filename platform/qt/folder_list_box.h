// The folder list box: the opened folder's ancestors and sub-folders; a
// double-click or Enter opens a folder, and Change fires when the path changes.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <string_view>

namespace vb {

class FolderListBox : public QListWidget {
 public:
  explicit FolderListBox(QWidget* parent = nullptr);

  // "D:\lessons\maths" or "D:\" for a folder under a drive letter, the
  // native form ("/home/t") for any other.
  std::string Path() const { return path_; }
  // Opens a folder given in either form; "d:" opens the drive's root. A
  // folder that does not exist raises 76 and changes nothing.
  void SetPath(std::string_view path);

  // Runs whenever the path changes, by the user or by the program.
  void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenItem(QListWidgetItem* item);

  std::string path_;
  std::function<void()> on_change_;
};

// The form a folder list shows for a native folder: under a mapped drive
// letter its Windows form, otherwise the native text.
std::string FolderPathText(const std::string& native_text);

}  // namespace vb
