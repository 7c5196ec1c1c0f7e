#include "common/open_with.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "platform/shell.h"

extern char** environ;

namespace common {

namespace {

// How long the opener has to report that it could not open the file; one
// still running by then has handed the file to a program.
constexpr std::chrono::seconds kOpenerVerdict{2};

OpenWithChooser& Chooser() {
  static OpenWithChooser chooser;
  return chooser;
}

// Starts the opener on the file in a session of its own. False when it could
// not be started or ended in failure within the verdict time; it is never
// waited for longer, and is reaped whenever it ends.
bool RunOpener(const std::string& opener, const std::string& file) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  std::vector<char*> argv{const_cast<char*>(opener.c_str()), const_cast<char*>(file.c_str()),
                          nullptr};
  pid_t pid = 0;
  const int started = posix_spawnp(&pid, opener.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return false;

  const auto deadline = std::chrono::steady_clock::now() + kOpenerVerdict;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (ended < 0 && errno != EINTR) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace

void SetOpenWithChooser(OpenWithChooser chooser) { Chooser() = std::move(chooser); }

void OpenWithAssociatedProgram(const std::string& /*operation*/, const std::string& file,
                               const std::optional<std::string>& /*parameters*/,
                               const std::optional<std::string>& /*directory*/,
                               int /*show_command*/) {
  try {
    const std::string native = vb::Resolve(file).string();
    if (RunOpener(vb::OpenCommand(), native)) return;
    // A file that is not there opens nothing and asks nothing.
    std::error_code ec;
    if (Chooser() && std::filesystem::exists(native, ec)) Chooser()(native);
  } catch (...) {
    // The caller learns nothing of the outcome.
  }
}

}  // namespace common
