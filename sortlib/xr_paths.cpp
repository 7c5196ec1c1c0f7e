#include "sortlib/xr_paths.h"

#include <cstdlib>
#include <filesystem>

#include "platform/paths.h"
#include "platform/vb_error.h"

namespace xrsort {

namespace {

bool HasDrive(std::string_view text) {
  if (text.size() < 2 || text[1] != ':') return false;
  const char c = static_cast<char>(text[0] & ~0x20);
  return c >= 'C' && c <= 'Z';
}

}  // namespace

std::string NativePath(std::string_view text) {
  try {
    if (HasDrive(text)) return vb::Resolve(text).string();
    if (!text.empty() && (text[0] == '\\' || text[0] == '/')) {
      return vb::Resolve("/" + std::string(text)).string();
    }
    const std::string here = vb::NativeToText(std::filesystem::current_path());
    return vb::Resolve(here + "/" + std::string(text)).string();
  } catch (const vb::Error&) {
    return {};
  } catch (const std::filesystem::filesystem_error&) {
    return {};
  }
}

std::optional<std::string> SystemTempFolder() {
  const char* env = std::getenv("TMPDIR");
  std::string folder = env && *env ? vb::NativeToText(env) : std::string("/tmp/");
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace xrsort
