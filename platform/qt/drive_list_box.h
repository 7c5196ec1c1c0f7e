// The drive list box: the mapped drive letters ("c:", "d:" ...) and, when
// asked for, the file-system root ("/"); Change fires whenever the drive changes.
#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <string_view>

namespace vb {

class DriveListBox : public QComboBox {
 public:
  // `with_native_root` adds the "/" entry.
  explicit DriveListBox(bool with_native_root, QWidget* parent = nullptr);

  // "d:" or "/".
  std::string Drive() const;
  // Selects the drive of `drive`'s first character (a letter or "/");
  // a drive not in the list raises 68.
  void SetDrive(std::string_view drive);

  // Runs whenever the drive changes, by the user or by the program.
  void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

 private:
  std::function<void()> on_change_;
};

}  // namespace vb
