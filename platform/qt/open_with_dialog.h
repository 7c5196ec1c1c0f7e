// The "Open With" choice offered when the desktop's opener cannot open a
// file: its whole path is shown, the desktop's applications for its type (or
// the types standing in for it) are listed and "Other program…" browses for
// one; the choice is started on the file.
// It runs as a process of its own: the program started again with
// kOpenWithOption and the file, so that the caller never waits for it.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace vb {

inline constexpr char kOpenWithOption[] = "--open-with";

// Starts this program again, detached, to offer the choice for `native_file`.
void StartOpenWithChooser(const std::string& native_file);

// When the program was started with kOpenWithOption and a file, offers the
// choice for that file, starts the program chosen and returns true: the
// program then ends. False when it was started to do its own work.
bool RunOpenWithChooser(int argc, char** argv);

class OpenWithDialog : public QDialog {
 public:
  explicit OpenWithDialog(const std::string& native_file);

  QLabel* Path;       // the file's native path, selectable
  QListWidget* List;  // the desktop's applications, then "Other program…"
  QPushButton *OpenButton, *CancelButton;

 private:
  void OpenChosen();
  void Cancel();

  std::string file_;
  int apps_ = 0;  // the first rows of the list are the desktop's applications
};

}  // namespace vb
