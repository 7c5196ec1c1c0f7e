// Windows-form paths ("D:\orvane\2026\index.htm") mapped onto the file system:
// drive X: is the folder "x" under the drives root; current drive and folders are virtual.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vb {

// $ORVANE_DRIVES, else ~/.local/share/orvane/drives.
std::filesystem::path DrivesRoot();

// The folder of drive `letter` (C to Z, either case) when it exists.
std::optional<std::filesystem::path> DriveFolder(char letter);

// The drive letter whose folder holds `native` (upper case), or 0.
char DriveOfNative(const std::filesystem::path& native);

// Maps a path to the file system. Backslashes and slashes separate names,
// doubled separators collapse, "." and ".." are folded without leaving the
// drive. Forms: "D:\a\b"; "D:a" (in D's current folder); "\a" (root of the
// current drive); "a\b" (the current folder); "/a/b" (native). Each name is
// windows-1252 and becomes UTF-8; an existing name of another case is found
// as Windows would. An unmapped drive raises 76.
std::filesystem::path Resolve(std::string_view path);

// The native root used as the "drive" of a native current folder.
inline constexpr char kNativeDrive = '/';

// ChDrive("D") / ChDrive("D:"): the current drive; raises 76 when unmapped.
// ChDrive("/") makes the native file system current.
void ChDrive(std::string_view drive);
// Sets the current folder of the path's drive (not the current drive, as on
// Windows); raises 76 when the folder does not exist.
void ChDir(std::string_view path);
// The current drive letter, or kNativeDrive.
char CurrentDrive();
// The current folder of the current drive, in Windows form ("D:\orvane\2026").
std::string CurDir();
// Forgets every current folder; the current drive becomes C. For tests.
void ResetCurrentFolders();

// The windows-1252 form of a native path, for joining with Windows-form names.
std::string NativeToText(const std::filesystem::path& native);

// The folder of the running program, ending in "/" ("/opt/orvane/").
std::string ProgramFolderOfExecutable();

}  // namespace vb
