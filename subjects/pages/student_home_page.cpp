// The subject-layout home page of a student (or of the master student, or the
// preview's sample), with the student's subject, work and picture folders.
#include "subjects/pages/subject_writers.h"

#include <string>

#include "platform/files.h"
#include "site/student_greeting.h"
#include "subjects/core/subject_groups.h"
#include "subjects/pages/subject_folder.h"
#include "subjects/pages/subject_page_frame.h"

namespace subjects {

namespace {

using site::PageFrameWriter;

// A folder of the page that is there already (a student sharing the folder
// of an earlier one) is used as it is.
void MakeFolder(const std::string& name) {
  if (!vb::FolderExists(name)) vb::MkDir(name);
}

// The preview's flag never outlives one sample page, whatever happens.
struct PreviewModeReset {
  site::BuildContext& ctx;
  ~PreviewModeReset() { ctx.PreviewMode = 0; }
};

void GreetingTable(PageFrameWriter& page, const site::BuildRun& run, SubjectPageMode mode) {
  const std::string name = mode == SubjectPageMode::Named
                               ? run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname
                               : std::string("New Student");
  // The photo lies beside the page when the buttons do, else in the shared folder.
  const std::string owl = ButtonImagePath(PagePlacement(run), kStudentFolderDepth, "owl.gif");
  site::StudentGreeting(page, name, owl);
}

void SubjectLinkTable(PageFrameWriter& page, const site::BuildRun& run) {
  const SubjectGroups& groups = Groups();
  const std::string& face = run.ctx.FontFace;
  OpenLinkTable(page, run, "school");
  // Two subjects to a row, in at most six rows.
  for (int k = 1; k <= 12; ++k) {
    if (k > groups.SubjectGroupCount) break;
    if (k % 2 == 1) page.Line(20, "<tr>");
    const std::string button =
        ButtonImagePath(PagePlacement(run), kStudentFolderDepth, "but-clik.jpg");
    page.Line(22, "<td width=\"10%\"><a href=\"" + GroupSlot(groups.SubjectGroupFolders, k) +
                      "/index.htm\"><img border=\"0\" src=\"" + button + "\"");
    page.Line(22, "alt=\"Click to see my work this year!\" width=\"60\" height=\"60\"></a></td>");
    page.Line(22, "<td width=\"40%\"><font size=\"2\" face=\"" + face + "\">" +
                      GroupSlot(groups.SubjectGroupNames, k) + "</font></td>");
    if (k % 2 == 0) page.Line(20, "</tr>");
  }
  CloseLinkTable(page, run);
}

}  // namespace

void WriteStudentHomePage(site::BuildRun& run) {
  PreviewModeReset reset{run.ctx};
  const SubjectPageMode mode = PageModeOf(run.ctx);
  std::string file = run.ctx.OpenFile;
  if (mode != SubjectPageMode::Preview) {
    run.ctx.PageCount += 1;
    const int count = Groups().SubjectGroupCount;
    for (int k = 1; k <= count; ++k) MakeFolder(GroupSlot(Groups().SubjectGroupFolders, k));
    for (const char* name : {"work", "images", "powerpoints"}) MakeFolder(name);
    file = "index.htm";
  }
  const std::string title = mode == SubjectPageMode::Named
                                ? run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname + "'s Home Page"
                                : std::string("Student's Home Page");
  WriteSubjectPage(run, file, title, {kStudentFolderDepth, HomeNavigationButtons, kHomeBottomRow},
                   [&](PageFrameWriter& page) {
                     GreetingTable(page, run, mode);
                     SubjectLinkTable(page, run);
                   });
}

}  // namespace subjects
