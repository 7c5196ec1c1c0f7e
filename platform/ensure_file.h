// Making sure a file is there before it is read: a missing one is made
// empty, and one that is there is left exactly as it is.
#pragma once

#include <string_view>

namespace vb {

// Makes an empty file at `path` (Windows or native form) when there is none.
// A link in its place is not followed; it, a folder, anything else but a
// regular file, or a file this user may not write raises 70.
void EnsureFile(std::string_view path);

}  // namespace vb
