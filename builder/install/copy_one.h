// The build's single-file copy: the target is replaced as a whole, so a copy
// over a running program or a planted link works and keeps no read-only bit.
#pragma once

#include <string>

namespace builder {

// Copies `source` to `target` (full paths), overwriting an existing target.
void CopyOne(const std::string& source, const std::string& target);

}  // namespace builder
