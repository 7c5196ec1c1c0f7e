#include "builder/core/one_builder.h"

#include "platform/msgbox.h"

namespace builder {

std::optional<vb::FolderClaim> ClaimProgramFolder(const std::string& program_folder) {
  std::optional<vb::FolderClaim> claim = vb::FolderClaim::Take(program_folder);
  if (!claim) {
    vb::MsgBox("Orvane is already running from this folder.  Close it before starting it again.",
               vb::vbCritical, "Sorry");
  }
  return claim;
}

}  // namespace builder
