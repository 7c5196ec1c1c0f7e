#include "tests/support/another_group.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace testing_support {

std::optional<gid_t> GiveAnotherGroup(const std::filesystem::path& file) {
  struct stat st {};
  ::lstat(file.c_str(), &st);
  std::vector<gid_t> groups{4242};
  const int n = ::getgroups(0, nullptr);
  if (n > 0) {
    groups.resize(1 + static_cast<size_t>(n));
    ::getgroups(n, groups.data() + 1);
  }
  for (const gid_t group : groups) {
    if (group != st.st_gid && ::chown(file.c_str(), static_cast<uid_t>(-1), group) == 0) return group;
  }
  return std::nullopt;
}

}  // namespace testing_support
