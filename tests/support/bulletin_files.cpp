#include "tests/support/bulletin_files.h"

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cstdlib>

#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;

namespace testing_support {

std::string FixedFields(const std::vector<std::pair<std::string, int>>& fields) {
  std::string bytes;
  for (const auto& [value, width] : fields) {
    std::string field = value.substr(0, static_cast<size_t>(width));
    field.resize(static_cast<size_t>(width), ' ');
    bytes += field;
  }
  return bytes;
}

std::string NewsRecordBytes(char status, const std::string& title, const std::string& body,
                            const std::string& submitted_by, const std::string& date_text,
                            const std::string& ip_address) {
  return FixedFields({{"\x1A", 1},
                      {std::string(1, status), 1},
                      {title, 50},
                      {body, 1000},
                      {submitted_by, 25},
                      {date_text, 8},
                      {ip_address, 17}});
}

SmallTmpfs::SmallTmpfs(long bytes) {
  std::string pattern = (fs::temp_directory_path() / "orvane-tmpfs-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return;
  folder_ = pattern;
  const std::string options = "size=" + std::to_string(bytes);
  mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallTmpfs::~SmallTmpfs() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

void SmallTmpfs::FillLeaving(long left, const std::string& name) const {
  struct statvfs st {};
  ::statvfs(folder_.c_str(), &st);
  const long room = static_cast<long>(st.f_bavail * st.f_bsize);
  WriteFile(folder_ / name, std::string(static_cast<size_t>(room > left ? room - left : 0), 'x'));
}

}  // namespace testing_support
