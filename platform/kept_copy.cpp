#include "platform/kept_copy.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/vb_error.h"

namespace vb {

namespace {

namespace fs = std::filesystem;

fs::path CacheFolder() {
  // A cache home that is not absolute is to be ignored.
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return fs::path(cache) / "orvane";
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr && *home != '\0' ? home : "/") / ".cache" / "orvane";
}

std::string FolderHash(const std::string& folder) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : folder) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016" PRIx64, hash);
  return digits;
}

}  // namespace

std::string KeepCopyInCache(const std::string& native_file) {
  const fs::path file(native_file);
  const fs::path folder = CacheFolder();
  const std::string name = FolderHash(file.parent_path().string()) + "-" + file.filename().string();
  const fs::path copy = folder / name;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return {};
  ReplaceRules rules;
  rules.mode = ReplaceRules::Mode::kSecret;
  try {
    ReplaceWithCopy(NativeToText(file), NativeToText(copy), rules);
  } catch (const Error&) {
    return {};
  }
  return copy.string();
}

}  // namespace vb
