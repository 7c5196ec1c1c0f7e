#include "tasks/task_password.h"

#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

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
  // Through the fixed "ovtaskpw.tmp", which the next save reuses; a link, or
  // a read-only file, in its place is replaced. A new file is the owner's
  // alone; one that replaces another keeps what the school gave the old one
  // (a managers' group that may read it), never a read for everyone.
  vb::ReplaceRules rules;
  rules.temporary_name = "ovtaskpw.tmp";
  rules.mode = vb::ReplaceRules::Mode::kSecret;
  vb::ReplaceFile(tool_folder + kFileName, PasswordFileImage(password), rules);
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
