// One builder for each program folder: the year lists that the import writes
// there are the ones that the build reads.
#pragma once

#include <optional>
#include <string>

#include "platform/folder_claim.h"

namespace builder {

// Claims the program folder for this builder. When another builder holds it,
// shows the "Sorry" box and gives nothing, and the program is to end before it
// touches a file.
std::optional<vb::FolderClaim> ClaimProgramFolder(const std::string& program_folder);

}  // namespace builder
