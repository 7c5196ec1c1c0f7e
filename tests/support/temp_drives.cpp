#include "tests/support/temp_drives.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/paths.h"

namespace fs = std::filesystem;

namespace testing_support {

TempDrives::TempDrives(const std::string& letters) {
  std::string pattern = (fs::temp_directory_path() / "orvane-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  root_ = made ? fs::path(made) : fs::temp_directory_path() / "orvane-test";
  for (char letter : letters) fs::create_directories(drive(letter));
  if (const char* env = std::getenv("ORVANE_DRIVES")) {
    had_env_ = true;
    saved_env_ = env;
  }
  ::setenv("ORVANE_DRIVES", root_.c_str(), 1);
  vb::ResetCurrentFolders();
}

TempDrives::~TempDrives() {
  if (had_env_) ::setenv("ORVANE_DRIVES", saved_env_.c_str(), 1);
  else ::unsetenv("ORVANE_DRIVES");
  vb::ResetCurrentFolders();
  std::error_code ec;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

fs::path TempDrives::drive(char letter) const {
  const char lower = static_cast<char>(letter >= 'A' && letter <= 'Z' ? letter + 32 : letter);
  return root_ / std::string(1, lower);
}

void WriteFile(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace testing_support
