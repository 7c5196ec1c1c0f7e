#include "platform/temporary_names.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <optional>

#include "platform/path_memory.h"

namespace vb {

namespace {

constexpr size_t kRandomLength = 6;
constexpr std::time_t kForeignAge = 24 * 60 * 60;

// Keeps a name to characters that cannot be taken for the name's separators.
std::string Tamed(std::string name, bool dots_allowed) {
  for (char& c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || (dots_allowed && c == '.');
    if (!plain) c = '_';
  }
  return name.empty() ? "_" : name;
}

// The host and process of a temporary name's tail "<host>.<pid>.XXXXXX".
std::optional<TemporaryWriter> WriterOfTail(const std::string& tail) {
  if (tail.size() < kRandomLength + 4) return std::nullopt;
  const size_t random_dot = tail.size() - kRandomLength - 1;
  if (tail[random_dot] != '.') return std::nullopt;
  const size_t pid_dot = tail.rfind('.', random_dot - 1);
  if (pid_dot == std::string::npos || pid_dot == 0 || pid_dot + 1 == random_dot) return std::nullopt;
  TemporaryWriter writer;
  for (size_t i = pid_dot + 1; i < random_dot; ++i) {
    if (tail[i] < '0' || tail[i] > '9' || writer.pid > 99999999) return std::nullopt;
    writer.pid = writer.pid * 10 + (tail[i] - '0');
  }
  writer.host = tail.substr(0, pid_dot);
  return writer;
}

// Whether a process of this computer still runs (or may: one of another
// user's cannot be asked).
bool ProcessRuns(long pid) {
  if (pid <= 0) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

bool IsStale(const TemporaryWriter& writer, const std::string& host, const struct stat& st) {
  if (writer.host == host) return !ProcessRuns(writer.pid);
  return std::time(nullptr) - st.st_mtime > kForeignAge;
}

}  // namespace

TemporaryWriter ThisWriter() {
  TemporaryWriter writer;
  writer.program = Tamed(program_invocation_short_name, false);
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0) host[0] = 0;
  writer.host = Tamed(host, true);
  writer.pid = static_cast<long>(::getpid());
  return writer;
}

std::string TemporaryNamePrefix(const std::string& file_name, const TemporaryWriter& writer) {
  return file_name + "." + writer.program + "@" + writer.host + "." + std::to_string(writer.pid) + ".";
}

void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& file_name) {
  const TemporaryWriter self = ThisWriter();
  const std::string start = file_name + "." + self.program + "@";
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, start.size(), start) != 0) continue;
    const std::optional<TemporaryWriter> writer = WriterOfTail(name.substr(start.size()));
    struct stat st {};
    if (!writer || ::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (IsStale(*writer, self.host, st) && ::unlink(it->path().c_str()) == 0) NoteRemoved(it->path().string());
  }
}

}  // namespace vb
