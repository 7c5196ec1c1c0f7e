#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/path_memory.h"
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
      const std::string_view name = text.substr(i, j - i);
      if (name == "..") {
        if (!names.empty()) names.pop_back();
      } else if (name != ".") {
        names.emplace_back(name);
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

// What is known of one folder found or made on disk.
struct KnownFolder {
  // Every entry was made by this process through the layer since the folder
  // was made, and none may have come since by other means (see Resolve).
  bool complete = false;
  unsigned epoch = 0;
  // When complete: the entries, by the lower case of their windows-1252 name.
  std::map<std::string, std::set<std::string>> entries;
};

// Folders remembered at most: a whole build goes through its folders once,
// so beyond this all is forgotten and the folders in use are found again.
constexpr size_t kMostRemembered = 4096;

// A folder as written, as it was found on disk.
struct Spelling {
  std::string native;
  // Where a name was found in another case, the name as written: it would
  // be found instead once it is there.
  std::vector<std::string> shadows;
};

struct FolderMemory {
  // A folder as written (its drive's folder, then "\" and each name) -> on disk.
  std::unordered_map<std::string, Spelling> spelled;
  std::unordered_map<std::string, KnownFolder> folders;  // by the folder on disk
  // Raised whenever a caller takes a path out of the layer, which may then
  // gain entries the memory does not see: complete folders of an older
  // epoch count as incomplete.
  unsigned epoch = 0;
  // What the last drives root came of ($ORVANE_DRIVES, else $HOME) and the
  // drive folders under it.
  bool drives_from_env = false;
  std::string drives_root;
  std::map<char, std::string> drive_folders;
};

FolderMemory& Memory() {
  static FolderMemory memory;
  return memory;
}

bool IsComplete(const KnownFolder& folder) {
  return folder.complete && folder.epoch == Memory().epoch;
}

std::string ParentOf(const std::string& native) {
  const size_t slash = native.find_last_of('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : native.substr(0, slash);
}

std::string NameOf(const std::string& native) {
  const size_t slash = native.find_last_of('/');
  return slash == std::string::npos ? native : native.substr(slash + 1);
}

std::string EntryKey(const std::string& utf8_name) { return LCase(Utf8To1252(utf8_name)); }

// The drive's folder on disk; only its first use under a drives root looks
// at the disk.
std::string DriveBaseText(char drive) {
  if (drive == kNativeDrive) return "/";
  FolderMemory& memory = Memory();
  // DrivesRoot() comes of these.
  const char* env = std::getenv("ORVANE_DRIVES");
  const bool from_env = env != nullptr && *env != '\0';
  const char* home = from_env ? nullptr : std::getenv("HOME");
  const std::string_view root = from_env ? env : home != nullptr ? home : "";
  if (from_env != memory.drives_from_env || root != memory.drives_root) {
    memory.drives_from_env = from_env;
    memory.drives_root.assign(root);
    memory.drive_folders.clear();
  }
  const auto known = memory.drive_folders.find(UCaseChar(drive));
  if (known != memory.drive_folders.end() && memory.folders.count(known->second) != 0) {
    return known->second;
  }
  std::string folder = DriveBase(drive).string();
  memory.folders[folder];
  memory.drive_folders[UCaseChar(drive)] = folder;
  return folder;
}

// The entry `name` (windows-1252) of `folder` as Windows would find it. A
// use needs no look: the name as written is tried, and a failure looks again.
// A name known in another case is looked at, since making or replacing it
// would not fail if it went by other means.
Target Child(const std::string& folder, KnownFolder& known, const std::string& name, Intent intent) {
  const std::string utf8 = Utf8From1252(name);
  auto target = [&](const std::string& on_disk, Presence presence) {
    std::string native = folder;
    AppendName(native, on_disk);
    return Target{std::move(native), presence, true};
  };
  if (IsComplete(known)) {
    const auto it = known.entries.find(LCase(name));
    if (it == known.entries.end()) return target(utf8, Presence::Absent);
    if (it->second.count(utf8) != 0) return target(utf8, Presence::Found);
    Target other = target(*it->second.begin(), Presence::Found);
    if (Exists(other.native)) return other;
    known.complete = false;
  }
  if (intent == Intent::Use) return target(utf8, Presence::Unchecked);
  Target exact = target(utf8, Presence::Found);
  if (Exists(exact.native)) return exact;
  const std::string other = FindOtherCase(folder, name);
  if (other.empty()) return target(utf8, Presence::Absent);
  return target(other, Presence::Found);
}

// The remembered folder of `key` as written, unless a name of it spelt as
// written has come since beside the one of another case that was found.
const Spelling* Spelled(const std::string& key) {
  FolderMemory& memory = Memory();
  const auto it = memory.spelled.find(key);
  if (it == memory.spelled.end()) return nullptr;
  for (const std::string& shadow : it->second.shadows) {
    if (Exists(shadow)) {
      memory.spelled.erase(it);
      return nullptr;
    }
  }
  return &it->second;
}

// The folder that the first `count` names lead to from `base`, looked up
// once; none when one of them is not an existing folder.
std::optional<std::string> FolderOf(const std::string& base, const std::vector<std::string>& names,
                                    size_t count) {
  if (count == 0) return base;
  FolderMemory& memory = Memory();
  std::string whole = base;
  for (size_t i = 0; i < count; ++i) whole.append(1, '\\').append(names[i]);
  // The usual case: the folder is remembered as written.
  if (const Spelling* spelling = Spelled(whole)) return spelling->native;
  std::vector<std::string> keys(count + 1);
  keys[0] = base;
  for (size_t i = 0; i < count; ++i) keys[i + 1] = keys[i] + '\\' + names[i];
  size_t known = count - 1;
  Spelling folder{base, {}};
  for (; known > 0; --known) {
    if (const Spelling* spelling = Spelled(keys[known])) {
      folder = *spelling;
      break;
    }
  }
  for (size_t i = known; i < count; ++i) {
    const Target child = Child(folder.native, memory.folders[folder.native], names[i], Intent::Create);
    if (child.presence == Presence::Absent) return std::nullopt;
    if (memory.folders.count(child.native) == 0) {
      if (!IsFolder(child.native)) return std::nullopt;
      memory.folders[child.native];
    }
    std::string as_written = folder.native;
    AppendName(as_written, Utf8From1252(names[i]));
    if (child.native != as_written) folder.shadows.push_back(std::move(as_written));
    folder.native = child.native;
    memory.spelled[keys[i + 1]] = folder;
  }
  return folder.native;
}

// Forgets `native` and everything below it.
void ForgetBelow(const std::string& native) {
  const std::string below = native + "/";
  auto gone = [&](const std::string& path) { return path == native || path.rfind(below, 0) == 0; };
  FolderMemory& memory = Memory();
  std::erase_if(memory.folders, [&](const auto& entry) { return gone(entry.first); });
  std::erase_if(memory.spelled, [&](const auto& entry) { return gone(entry.second.native); });
}

}  // namespace

Target Locate(std::string_view path, Intent intent) {
  Split s = SplitPath(path);
  const std::string base = DriveBaseText(s.drive);
  if (s.names.empty()) return {base, Presence::Found, true};
  const std::optional<std::string> folder = FolderOf(base, s.names, s.names.size() - 1);
  if (!folder) return LocateAfresh(path);
  return Child(*folder, Memory().folders[*folder], s.names.back(), intent);
}

Target LocateAfresh(std::string_view path) {
  Split s = SplitPath(path);
  Target target{Join(DriveBase(s.drive), s.names).string(), Presence::Absent, false};
  if (Exists(target.native)) target.presence = Presence::Found;
  return target;
}

bool MemoryMisled(const Target& used, const Target& fresh) {
  if (!used.remembered) return false;
  if (used.native == fresh.native &&
      !(used.presence == Presence::Absent && fresh.presence == Presence::Found)) {
    return false;
  }
  ForgetFolders();
  return true;
}

void NoteMade(const std::string& native, bool folder) {
  FolderMemory& memory = Memory();
  const auto parent = memory.folders.find(ParentOf(native));
  if (parent != memory.folders.end() && IsComplete(parent->second)) {
    const std::string name = NameOf(native);
    parent->second.entries[EntryKey(name)].insert(name);
  }
  if (!folder) return;
  if (memory.folders.size() >= kMostRemembered) ForgetFolders();
  // A folder of that name that was known before went by other means.
  if (memory.folders.count(native) != 0) ForgetBelow(native);
  KnownFolder made;
  made.complete = true;
  made.epoch = memory.epoch;
  memory.folders[native] = std::move(made);
}

void NoteRemoved(const std::string& native) {
  FolderMemory& memory = Memory();
  const auto parent = memory.folders.find(ParentOf(native));
  if (parent != memory.folders.end() && IsComplete(parent->second)) {
    const std::string name = NameOf(native);
    const auto it = parent->second.entries.find(EntryKey(name));
    if (it != parent->second.entries.end()) {
      it->second.erase(name);
      if (it->second.empty()) parent->second.entries.erase(it);
    }
  }
  if (memory.folders.count(native) != 0) ForgetBelow(native);
}

void NoteMoved(const std::string& from, const std::string& to) {
  NoteRemoved(from);
  NoteMade(to, false);
  ForgetBelow(from);
  ForgetBelow(to);
}

Presence KnownEntry(const std::string& folder, const std::string& name) {
  const auto it = Memory().folders.find(folder);
  if (it == Memory().folders.end() || !IsComplete(it->second)) return Presence::Unchecked;
  const auto entry = it->second.entries.find(EntryKey(name));
  return entry != it->second.entries.end() && entry->second.count(name) != 0 ? Presence::Found
                                                                             : Presence::Absent;
}

void ForgetFolders() {
  FolderMemory& memory = Memory();
  memory.spelled.clear();
  memory.folders.clear();
  memory.drive_folders.clear();
}

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
  // The caller may make entries through the path without the layer.
  ++Memory().epoch;
  return Join(DriveBase(s.drive), s.names);
}

void ChDrive(std::string_view drive) {
  if (!drive.empty() && drive[0] == kNativeDrive) {
    State().drive = kNativeDrive;
    return;
  }
  if (drive.empty() || !IsLetter(drive[0])) Raise(68, "device unavailable");
  const char letter = UCaseChar(drive[0]);
  DriveBaseText(letter);
  State().drive = letter;
}

void ChDir(std::string_view path) {
  Split s = SplitPath(path);
  // A folder that stands as written takes one look.
  fs::path native;
  if (IsDriveLetter(s.drive) || s.drive == kNativeDrive) {
    std::string exact =
        s.drive == kNativeDrive ? "/" : (DrivesRoot() / std::string(1, LCaseChar(s.drive))).string();
    for (const std::string& name : s.names) AppendName(exact, Utf8From1252(name));
    if (IsFolder(exact)) native = exact;
  }
  if (native.empty()) {
    native = Join(DriveBase(s.drive), s.names);
    std::error_code ec;
    if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
  }
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
  ForgetFolders();
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
