// Questions about native paths that the layers above ask of the file system:
// whether a path is there, where it really leads, whether it is a link,
// whether two paths name one file, and the regular files below a folder.
// The yes-or-no questions raise nothing; what they cannot answer reads as "no".
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

namespace vb {

// Anything (file, folder, or what a link leads to) is at `native`.
bool NativeExists(const std::filesystem::path& native);

// A folder is at `native`, a link to one included.
bool IsNativeFolder(const std::filesystem::path& native);

// A regular file is at `native` itself (a link is not one).
bool IsNativeRegularFile(const std::filesystem::path& native);

// `native` itself is a symbolic link.
bool IsNativeLink(const std::filesystem::path& native);

// Both paths name one existing file.
bool IsSameNativeFile(const std::filesystem::path& a, const std::filesystem::path& b);

// `native` with its links, "." and ".." resolved as far as it exists, the
// rest kept as written; nothing when the file system cannot say.
std::optional<std::filesystem::path> WeaklyCanonical(const std::filesystem::path& native);

// `native` made absolute against the process's working folder.
std::filesystem::path AbsoluteNative(const std::filesystem::path& native);

// Calls `visit` with the path below `folder` of every regular file in it and
// its real sub-folders (links are not followed, nor reported), in the order
// the folders are read. A folder that cannot be read stops the walk, and the
// error is raised (as vb::Error) once the files met before it are visited.
void ForEachRegularFileBelow(const std::filesystem::path& folder,
                             const std::function<void(const std::filesystem::path& relative)>& visit);

}  // namespace vb
