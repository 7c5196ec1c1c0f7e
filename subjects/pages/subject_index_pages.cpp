// The index page of every subject folder: the subject's topic links between
// the navigation rows of a page one folder below the student's home page.
#include "subjects/pages/subject_writers.h"

#include <string>

#include "subjects/core/subject_groups.h"
#include "subjects/pages/subject_folder.h"
#include "subjects/pages/subject_page_frame.h"

namespace subjects {

namespace {

using site::PageFrameWriter;

void TopicLink(PageFrameWriter& page, const site::BuildRun& run, int t) {
  const std::string number = std::to_string(t);
  page.Line(22, "<td width=\"10%\"><a href=\"topic" + number + ".htm\"><img border=\"0\" src=\"" +
                    ButtonImagePath(PagePlacement(run), kSubjectFolderDepth, "but-clik.jpg") +
                    "\"");
  page.Line(22, "alt=\"Click to see my work this year!\" width=\"60\" height=\"60\"></a></td>");
  page.Line(22, "<td width=\"40%\"><font size=\"2\" face=\"" + run.ctx.FontFace + "\">Topic " + number + " -");
  page.Line(24, "Edit this title to describe the page it will open</font></td>");
}

void TopicLinkTable(PageFrameWriter& page, const site::BuildRun& run, const std::string& subject) {
  OpenLinkTable(page, run, subject);
  // Two topics to a row; an odd last topic gets no row.
  const int limit = Groups().TopicsPerGroup - 1;
  for (int t = 1; t <= limit; t += 2) {
    page.Line(20, "<tr>");
    TopicLink(page, run, t);
    TopicLink(page, run, t + 1);
    page.Line(20, "</tr>");
  }
  CloseLinkTable(page, run);
}

}  // namespace

void WriteSubjectPages(site::BuildRun& run) {
  const int count = Groups().SubjectGroupCount;
  for (int k = 1; k <= count; ++k) {
    EnterSubjectFolder(run, k);
    const std::string& subject = GroupSlot(Groups().SubjectGroupNames, k);
    const std::string title =
        run.ctx.MasterFlag == 0
            ? "Student's " + subject + " Page"
            : run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname + "'s " + subject + " Page";
    WriteSubjectPage(run, "index.htm", title, {kSubjectFolderDepth, SubjectNavigationButtons, kIndexBottomRow},
                     [&](PageFrameWriter& page) { TopicLinkTable(page, run, subject); });
    run.ctx.PageCount += 1;
  }
}

}  // namespace subjects
