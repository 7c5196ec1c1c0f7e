#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>
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

// "A:" to "Z:" begin a path on a drive; A and B are never mapped.
bool IsLetter(char c) {
  const char u = UCaseChar(c);
  return u >= 'A' && u <= 'Z';
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

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void AppendName(std::string& path, const std::string& utf8_name) {
  if (path.empty() || path.back() != '/') path += '/';
  path += utf8_name;
}

// The entry of `folder` whose name is `name` (windows-1252) without regard to
// case, as Windows would find it; "" when there is none.
std::string FindOtherCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return {};
  const std::string wanted = LCase(name);
  std::string found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (candidate == "." || candidate == "..") continue;
    if (LCase(Utf8To1252(candidate)) == wanted && (found.empty() || candidate < found)) {
      found = candidate;
    }
  }
  ::closedir(dir);
  return found;
}

// `folder` and `name`, the name spelt as it stands on disk when it is there.
std::string JoinFound(const std::string& folder, const std::string& name) {
  std::string out = folder;
  AppendName(out, Utf8From1252(name));
  if (Exists(out)) return out;
  const std::string other = FindOtherCase(folder, name);
  if (other.empty()) return out;
  out = folder;
  AppendName(out, other);
  return out;
}

fs::path Join(const fs::path& base, const std::vector<std::string>& names) {
  if (names.empty()) return base;
  // The usual cases cost one or two looks: the path exists as written, or
  // only its last name is new.
  std::string parent = base.string();
  for (size_t i = 0; i + 1 < names.size(); ++i) AppendName(parent, Utf8From1252(names[i]));
  std::string exact = parent;
  AppendName(exact, Utf8From1252(names.back()));
  if (Exists(exact)) return exact;
  if (IsFolder(parent)) return JoinFound(parent, names.back());
  // Otherwise each existing folder on the way is found whatever its case.
  std::string out = base.string();
  bool exists = true;
  for (const std::string& name : names) {
    if (exists) {
      out = JoinFound(out, name);
      exists = IsFolder(out);
    } else {
      AppendName(out, Utf8From1252(name));
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
  if (path.size() >= 2 && path[1] == ':' && IsLetter(path[0])) {
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
  if (drive.empty() || !IsLetter(drive[0])) Raise(68, "device unavailable");
  const char letter = UCaseChar(drive[0]);
  DriveBase(letter);
  State().drive = letter;
}

void ChDir(std::string_view path) {
  Split s = SplitPath(path);
  const fs::path native = Join(DriveBase(s.drive), s.names);
  std::error_code ec;
  if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
  // A drive's folder is kept as typed, as Windows keeps it; a native folder
  // is kept whole, as found on disk.
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
