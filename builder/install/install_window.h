// What the Install operation needs besides the user's choices and the progress
// window: the main window's hiding and closing, the sort and the closing wait.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace builder {

// The main window as the end of a build uses it.
class InstallWindow {
 public:
  virtual ~InstallWindow() = default;
  virtual void UnloadSubjectGroupsWindow() = 0;  // with the progress window, before the results
  virtual void HideMainWindow() = 0;
  // Queues a close request to the main window, which then ends the program.
  virtual void PostClose() = 0;
};

// Services the build calls that tests replace.
struct InstallServices {
  // Sorts the student list under the sort command line; false when the sort
  // failed or the library could not be loaded, with the reason in error_text.
  std::function<bool(const std::string& program_folder, const std::string& command,
                     std::string& error_text)>
      sort_file;
  // Waits, without running events, before the close request.
  std::function<void(std::chrono::milliseconds)> wait;
};

// The sorting library beside the program and a real wait.
InstallServices DefaultInstallServices();

}  // namespace builder
