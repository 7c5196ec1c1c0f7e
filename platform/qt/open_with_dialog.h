// The "Open With" choice offered when the desktop's opener cannot open a
// file: its whole path is shown, the desktop's applications for its type (or
// the types standing in for it) are listed and "Other program…" browses for
// one; the choice is started on the file, and offered again, naming the
// program, when that program could not open it.
// It runs in a helper of its own: the program started again with
// kOpenWithOption and the file, which first tries the desktop's opener, so
// that the caller never waits.
#pragma once

#include <QDialog>
#include <chrono>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace vb {

inline constexpr char kOpenWithOption[] = "--open-with";

// How long a program started on a file has to report that it could not open
// it; one still running by then has it open.
inline constexpr std::chrono::milliseconds kOpenVerdict{20000};

// Starts this program again, detached, to open `native_file` in a helper,
// `kept_copy` (when not empty) being a copy of it to offer in its place.
void StartOpenWithHelper(const std::string& native_file, const std::string& kept_copy);

// When the program was started with kOpenWithOption and a file (and a kept
// copy of it), opens that file as OpenOrOfferChoice does and returns true:
// the program then ends. False when it was started to do its own work.
bool RunOpenWithHelper(int argc, char** argv);

// Starts the desktop's opener on `native_file` and waits up to `verdict` for
// it; when it fails within that time, offers the choice for the file, or
// for `kept_copy` while the file is gone, and returns once it is closed.
void OpenOrOfferChoice(const std::string& native_file,
                       std::chrono::milliseconds verdict = kOpenVerdict,
                       const std::string& kept_copy = {});

class OpenWithDialog : public QDialog {
 public:
  // Offers `native_file`, or `kept_copy` (when not empty) once the file is
  // gone, also when it goes while the window shows.
  explicit OpenWithDialog(const std::string& native_file,
                          std::chrono::milliseconds verdict = kOpenVerdict,
                          const std::string& kept_copy = {});

  QLabel* Path;       // the file's native path, selectable
  QLabel* Failure;    // the program that could not open the file, once one has failed
  QListWidget* List;  // the desktop's applications, then "Other program…"
  QPushButton *OpenButton, *CancelButton;

 private:
  void OpenChosen();
  void Cancel();
  // Hidden, waits for the verdict of the program `name` started as `pid`;
  // closes on success, else shows again saying that it failed.
  void AwaitStart(const std::string& name, int pid);
  // Takes the kept copy in the file's place, showing its path, when the file
  // is gone and the copy is there.
  void FollowCopyIfGone();

  std::string file_;
  std::string kept_copy_;
  std::chrono::milliseconds verdict_;
  int apps_ = 0;  // the first rows of the list are the desktop's applications
};

}  // namespace vb
