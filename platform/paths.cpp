#include "platform/paths.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

struct CurrentState {
  char drive = 'C';
  // Per drive, the current folder as names below the drive root.
  std::map<char, std::vector<std::string>> folders;
};

CurrentState& State() {
  static CurrentState state;
  return state;
}

bool IsDriveLetter(char c) {
  const char u = UCaseChar(c);
  return u >= 'C' && u <= 'Z';
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Appends the names of `text` to `names`, folding "." and "..".
void AppendNames(std::vector<std::string>& names, std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    size_t j = i;
    while (j < text.size() && !IsSeparator(text[j])) ++j;
    if (j > i) {
      std::string name(text.substr(i, j - i));
      if (name == "..") {
        if (!names.empty()) names.pop_back();
      } else if (name != ".") {
        names.push_back(std::move(name));
      }
    }
    i = j;
  }
}

fs::path DriveBase(char drive) {
  if (drive == kNativeDrive) return fs::path("/");
  auto folder = DriveFolder(drive);
  if (!folder) Raise(76, std::string("drive ") + drive + ": is not available");
  return *folder;
}

// Finds `name` in `folder`, as Windows would without regard to case.
fs::path Lookup(const fs::path& folder, const std::string& name) {
  const fs::path exact = folder / Utf8From1252(name);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  const std::string wanted = LCase(name);
  std::vector<fs::path> matches;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = Utf8To1252(it->path().filename().string());
    if (LCase(candidate) == wanted) matches.push_back(it->path());
  }
  if (matches.empty()) return exact;
  std::sort(matches.begin(), matches.end());
  return matches.front();
}

fs::path Join(const fs::path& base, const std::vector<std::string>& names) {
  fs::path out = base;
  bool exists = true;
  for (const std::string& name : names) {
    if (exists) {
      out = Lookup(out, name);
      std::error_code ec;
      exists = fs::is_directory(out, ec);
    } else {
      out /= Utf8From1252(name);
    }
  }
  return out;
}

std::vector<std::string> NativeNames(const fs::path& native) {
  std::vector<std::string> names;
  AppendNames(names, NativeToText(native));
  return names;
}

struct Split {
  char drive;
  std::vector<std::string> names;
};

Split SplitPath(std::string_view path) {
  CurrentState& state = State();
  if (!path.empty() && path[0] == '/') {
    Split s{kNativeDrive, {}};
    AppendNames(s.names, path);
    return s;
  }
  if (path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0])) {
    Split s{UCaseChar(path[0]), {}};
    std::string_view rest = path.substr(2);
    if (rest.empty() || !IsSeparator(rest[0])) s.names = state.folders[s.drive];
    AppendNames(s.names, rest);
    return s;
  }
  Split s{state.drive, {}};
  if (path.empty() || !IsSeparator(path[0])) s.names = state.folders[s.drive];
  AppendNames(s.names, path);
  return s;
}

}  // namespace

fs::path DrivesRoot() {
  if (const char* env = std::getenv("ORVANE_DRIVES"); env && *env) return fs::path(env);
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/") / ".local/share/orvane/drives";
}

std::optional<fs::path> DriveFolder(char letter) {
  if (!IsDriveLetter(letter)) return std::nullopt;
  const fs::path folder = DrivesRoot() / std::string(1, LCaseChar(letter));
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return std::nullopt;
  return folder;
}

char DriveOfNative(const fs::path& native) {
  std::error_code ec;
  const fs::path target = fs::weakly_canonical(native, ec);
  if (ec) return 0;
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    auto folder = DriveFolder(letter);
    if (!folder) continue;
    const fs::path root = fs::weakly_canonical(*folder, ec);
    if (ec) continue;
    auto mismatch = std::mismatch(root.begin(), root.end(), target.begin(), target.end());
    if (mismatch.first == root.end()) return letter;
  }
  return 0;
}

fs::path Resolve(std::string_view path) {
  Split s = SplitPath(path);
  return Join(DriveBase(s.drive), s.names);
}

void ChDrive(std::string_view drive) {
  if (!drive.empty() && drive[0] == kNativeDrive) {
    State().drive = kNativeDrive;
    return;
  }
  if (drive.empty() || !IsDriveLetter(drive[0])) Raise(68, "device unavailable");
  const char letter = UCaseChar(drive[0]);
  DriveBase(letter);
  State().drive = letter;
}

void ChDir(std::string_view path) {
  Split s = SplitPath(path);
  const fs::path native = Join(DriveBase(s.drive), s.names);
  std::error_code ec;
  if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
  // Keep the names as found on disk, so that CurDir shows the real spelling.
  std::vector<std::string> names = s.drive == kNativeDrive ? NativeNames(native) : s.names;
  State().folders[s.drive] = std::move(names);
}

char CurrentDrive() { return State().drive; }

std::string CurDir() {
  CurrentState& state = State();
  const std::vector<std::string>& names = state.folders[state.drive];
  std::string out = state.drive == kNativeDrive ? "" : std::string(1, state.drive) + ":";
  const char separator = state.drive == kNativeDrive ? '/' : '\\';
  if (names.empty()) return out + separator;
  for (const std::string& name : names) out += separator + name;
  return out;
}

void ResetCurrentFolders() {
  State() = CurrentState{};
}

std::string NativeToText(const fs::path& native) { return Utf8To1252(native.string()); }

std::string ProgramFolderOfExecutable() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string folder = NativeToText(exe.parent_path());
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace vb
