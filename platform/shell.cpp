#include "platform/shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace vb {

namespace {

// Starts the program in a session of its own, its input /dev/null. The pid,
// or -1 when it could not be started.
pid_t Spawn(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int started = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return started == 0 ? pid : -1;
}

// Reaps the program whenever it ends, without anyone waiting for it.
void ReapLater(pid_t pid) {
  std::thread([pid] {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

bool StartDetached(const std::string& program, const std::vector<std::string>& args) {
  const pid_t pid = Spawn(program, args);
  if (pid < 0) return false;
  ReapLater(pid);
  return true;
}

bool StartAndAwaitVerdict(const std::string& program, const std::vector<std::string>& args,
                          std::chrono::milliseconds verdict) {
  const pid_t pid = Spawn(program, args);
  return pid >= 0 && AwaitVerdict(pid, verdict);
}

int StartForVerdict(const std::string& program, const std::vector<std::string>& args) {
  return Spawn(program, args);
}

bool AwaitVerdict(int pid, std::chrono::milliseconds verdict,
                  const std::function<void()>& meanwhile) {
  const auto deadline = std::chrono::steady_clock::now() + verdict;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (ended < 0 && errno != EINTR) return true;
    if (meanwhile) meanwhile();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ReapLater(pid);
  return true;
}

std::string OpenCommand() {
  const char* command = std::getenv("ORVANE_OPEN_COMMAND");
  return command && *command ? command : "xdg-open";
}

bool OpenDocument(const std::filesystem::path& file) {
  return StartDetached(OpenCommand(), {file.string()});
}

}  // namespace vb
