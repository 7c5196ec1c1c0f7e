// Copies, in the user's cache folder, of files that may be gone before the
// user has seen them, so that the Open With choice can still offer them.
#pragma once

#include <string>

namespace vb {

// Keeps a copy of the file at `native_file` in the user's cache folder
// ($XDG_CACHE_HOME/orvane/, else ~/.cache/orvane/), named for the file's
// folder and its name: the 64-bit FNV-1a hash of the folder's path in 16
// hexadecimal digits, "-" and the name. It replaces, whole, the copy of the
// last file of that folder and name. The copy's path; empty when it could not
// be kept.
std::string KeepCopyInCache(const std::string& native_file);

}  // namespace vb
