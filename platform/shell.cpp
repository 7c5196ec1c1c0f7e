#include "platform/shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace vb {

bool StartDetached(const std::string& program, const std::vector<std::string>& args) {
  // The argument list is made before the fork: a child of a program with
  // threads may not allocate.
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  // A pipe tells the parent whether the grandchild's exec worked; the child
  // exits at once so that nothing is left to wait for.
  int status_pipe[2];
  if (::pipe2(status_pipe, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(status_pipe[0]);
    ::close(status_pipe[1]);
    return false;
  }
  if (child == 0) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      const int devnull = ::open("/dev/null", O_RDWR);
      if (devnull >= 0) {
        ::dup2(devnull, STDIN_FILENO);
        if (devnull > STDERR_FILENO) ::close(devnull);
      }
      ::execvp(program.c_str(), argv.data());
      const int err = errno;
      ssize_t ignored = ::write(status_pipe[1], &err, sizeof err);
      (void)ignored;
      ::_exit(127);
    }
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  ::close(status_pipe[1]);
  int child_status = 0;
  while (::waitpid(child, &child_status, 0) < 0 && errno == EINTR) {
  }
  int exec_error = 0;
  ssize_t n;
  do {
    n = ::read(status_pipe[0], &exec_error, sizeof exec_error);
  } while (n < 0 && errno == EINTR);
  ::close(status_pipe[0]);
  const bool forked = WIFEXITED(child_status) && WEXITSTATUS(child_status) == 0;
  return forked && n == 0;
}

std::string OpenCommand() {
  const char* command = std::getenv("ORVANE_OPEN_COMMAND");
  return command && *command ? command : "xdg-open";
}

bool OpenDocument(const std::filesystem::path& file) {
  return StartDetached(OpenCommand(), {file.string()});
}

}  // namespace vb
