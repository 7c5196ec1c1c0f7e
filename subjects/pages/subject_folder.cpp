#include "subjects/pages/subject_folder.h"

#include "platform/paths.h"
#include "platform/vb_error.h"
#include "subjects/core/subject_groups.h"

namespace subjects {

const std::string& GroupSlot(const std::array<std::string, 13>& table, int k) {
  if (k < 0 || k > 12) vb::Raise(9, "subscript out of range");
  return table[static_cast<size_t>(k)];
}

void EnterSubjectFolder(site::BuildRun& run, int k) {
  site::BuildContext& ctx = run.ctx;
  const std::string year_folder = ctx.TargetDrive + "\\orvane\\" + run.settings.SiteYear() + "\\";
  const std::string& subject = GroupSlot(Groups().SubjectGroupFolders, k);
  if (ctx.MasterFlag == 0) {
    ctx.MasterPath = year_folder + "masterstudent\\" + subject;
    vb::ChDir(ctx.MasterPath);
  } else {
    vb::ChDir(year_folder + ctx.LevelFolderName + "\\" + ctx.CurrentClassFolder + "\\" +
              ctx.CurrentStudentFolder + "\\" + subject);
  }
}

}  // namespace subjects
