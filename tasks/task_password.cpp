#include "tasks/task_password.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace tasks {

namespace {

constexpr int kMarkerPosition = 500;
constexpr char kMarker = 28;
constexpr int kStoredLength = 50;

// Position (1-based) of the password's k-th character, k = 1 to 50.
constexpr size_t PasswordPosition(int k) { return static_cast<size_t>(197 + 4 * k); }

const char kFileName[] = "ovtaskpw.dat";

}  // namespace

std::string PasswordFileImage(std::string_view password) {
  std::string image(kPasswordFileLength, '\0');
  for (int n = 1; n <= kPasswordFileLength; ++n) image[n - 1] = static_cast<char>(132 + n % 118);
  image[kMarkerPosition - 1] = kMarker;
  const std::string stored = vb::Left(vb::Trim(password) + std::string(kStoredLength, ' '), kStoredLength);
  for (int k = 1; k <= kStoredLength; ++k) image[PasswordPosition(k) - 1] = stored[k - 1];
  return image;
}

std::optional<std::string> StoredPassword(std::string_view file_bytes) {
  if (file_bytes.size() != kPasswordFileLength || file_bytes[kMarkerPosition - 1] != kMarker) {
    return std::nullopt;
  }
  std::string stored;
  for (int k = 1; k <= kStoredLength; ++k) stored += file_bytes[PasswordPosition(k) - 1];
  return vb::LCase(vb::Trim(stored));
}

bool PasswordMatches(std::string_view stored, std::string_view typed) {
  return vb::LCase(vb::Trim(typed)) == stored;
}

void WriteTaskPassword(const std::string& tool_folder, std::string_view password) {
  const std::string image = PasswordFileImage(password);
  const fs::path target = vb::Resolve(tool_folder + kFileName);
  const fs::path temporary = vb::Resolve(tool_folder + "ovtaskpw.tmp");
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) vb::RaiseErrno(errno == ELOOP ? EACCES : errno, vb::FileOp::OpenWrite, temporary);
  // An older file of this name may have been readable by others.
  const bool written = ::fchmod(fd, 0600) == 0 &&
                       ::write(fd, image.data(), image.size()) == static_cast<ssize_t>(image.size()) &&
                       ::fsync(fd) == 0;
  int err = errno;
  ::close(fd);
  if (written && ::rename(temporary.c_str(), target.c_str()) == 0) return;
  if (written) err = errno;
  ::unlink(temporary.c_str());
  vb::RaiseErrno(err, vb::FileOp::Write, target);
}

std::optional<std::string> ReadTaskPassword(const std::string& tool_folder) {
  const std::string path = tool_folder + kFileName;
  if (!vb::FileExists(path)) return std::nullopt;
  return StoredPassword(vb::ReadFileBytes(path));
}

void CheckTaskPassword(const std::string& tool_folder, const PasswordPrompts& prompts) {
  const std::optional<std::string> stored = ReadTaskPassword(tool_folder);
  if (!stored) {
    DefineTaskPassword(tool_folder, prompts);
    return;
  }
  const std::optional<std::string> typed = prompts.security_check();
  if (!typed) vb::End();
  if (!PasswordMatches(*stored, *typed)) {
    vb::MsgBox("Sorry, wrong password.", vb::vbCritical, "Security!");
    vb::End();
  }
}

void DefineTaskPassword(const std::string& tool_folder, const PasswordPrompts& prompts) {
  std::string answer;
  for (;;) {
    answer = prompts.define_new().value_or("");
    if (answer.empty()) continue;
    if (vb::Trim(answer).size() <= kTypedPasswordLength) break;
    vb::MsgBox("Please use a password of at most 15 characters.", vb::vbExclamation, "Password");
  }
  WriteTaskPassword(tool_folder, answer);
  vb::MsgBox("New Jobline Password saved successfully.", vb::vbExclamation, "Success");
}

}  // namespace tasks
