#include "platform/native_paths.h"

#include "platform/vb_error.h"

namespace vb {

namespace fs = std::filesystem;

bool NativeExists(const fs::path& native) {
  std::error_code ec;
  return fs::exists(native, ec);
}

bool IsNativeFolder(const fs::path& native) {
  std::error_code ec;
  return fs::is_directory(native, ec);
}

bool IsNativeRegularFile(const fs::path& native) {
  std::error_code ec;
  return fs::is_regular_file(fs::symlink_status(native, ec));
}

bool IsNativeLink(const fs::path& native) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(native, ec));
}

bool IsSameNativeFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

std::optional<fs::path> WeaklyCanonical(const fs::path& native) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(native, ec);
  if (ec) return std::nullopt;
  return canonical;
}

fs::path AbsoluteNative(const fs::path& native) { return fs::absolute(native); }

void ForEachRegularFileBelow(const fs::path& folder, const std::function<void(const fs::path&)>& visit) {
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    std::error_code entry_ec;
    if (!fs::is_regular_file(it->symlink_status(entry_ec))) continue;
    visit(it->path().lexically_relative(folder));
  }
  if (ec) RaiseErrno(ec.value(), FileOp::Query, folder);
}

}  // namespace vb
