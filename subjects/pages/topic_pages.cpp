// The topic pages of every subject folder: an empty page per topic for the
// student to fill in, with an optional evaluation section.
#include "subjects/pages/subject_writers.h"

#include <string>

#include "subjects/core/subject_groups.h"
#include "subjects/pages/subject_folder.h"
#include "subjects/pages/subject_page_frame.h"

namespace subjects {

namespace {

constexpr NavButton kTopicPageButtons[5] = {
    kSubjectPageButton,          SubjectNavigationButtons[1], SubjectNavigationButtons[2],
    SubjectNavigationButtons[3], SubjectNavigationButtons[4],
};

void EvaluationTable(PageFile& page, const builder::BuildRun& run) {
  const std::string font = "<font face=\"" + run.ctx.FontFace + "\" size=\"2\">";
  page.Line(16, "<div align=\"center\">");
  page.Line(18, "<table border=\"0\" cellpadding=\"5\" cellspacing=\"5\" width=\"98%\">");
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"29%\" bgcolor=\"#6699FF\">" + font +
                    "<b>Learning Process &amp; Self Evaluation:</b></font></td>");
  page.Line(22, "<td width=\"71%\" bgcolor=\"#99CCFF\">&nbsp;</td>");
  page.Line(20, "</tr>");
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"29%\" bgcolor=\"#CC99FF\">" + font + "<b>Teacher Evaluation:</b></font></td>");
  page.Line(22, "<td width=\"71%\" bgcolor=\"#CCCCFF\">&nbsp;</td>");
  page.Line(20, "</tr>");
  page.Line(18, "</table>");
  page.Line(16, "</div>");
}

void TopicContent(PageFile& page, const builder::BuildRun& run, const std::string& number) {
  const std::string& face = run.ctx.FontFace;
  page.Line(16, "<p align=\"center\"><font face=\"" + face + "\" size=\"6\">");
  page.Line(9, "<b>Topic " + number + " Title</b></font></p>");
  page.Line(16, "<p align=\"center\"><font face=\"" + face + "\">Create your web page in");
  page.Line(16, "this cell containing pictures, links to other sites and");
  page.Line(16, "information you type in or gather from other sources.&nbsp; You");
  page.Line(16, "can change fonts, the background or whatever you like to make");
  page.Line(16, "the page the way you'd like it to look.&nbsp; Just keep the top");
  page.Line(16, "and bottom cells - the ones with the links back to the rest of");
  page.Line(16, "the school's intranet.</font>");
  for (int i = 0; i < 4; ++i) page.Line(16, "<p align=\"center\">&nbsp;");
  if (run.settings.EvaluationSection()) EvaluationTable(page, run);
}

}  // namespace

void WriteTopicPages(builder::BuildRun& run) {
  const int count = Groups().SubjectGroupCount;
  for (int i = 1; i <= count; ++i) {
    EnterSubjectFolder(run, i);
    const int topics = Groups().TopicsPerGroup;
    for (int k = 1; k <= topics; ++k) {
      const std::string number = std::to_string(k);
      run.ctx.PageCount += 1;
      PageFile page("topic" + number + ".htm");
      FrameHead(page, run.ctx.MasterFlag == 0
                          ? "<title>Student - Topic " + number + "</title>"
                          : "<title>" + run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname +
                                " - Topic " + number + "</title>");
      TopNavigationRow(page, run, kSubjectFolderDepth, kTopicPageButtons);
      CenterLine(page);
      SideCellsOpen(page, run);
      TopicContent(page, run, number);
      SideCellsClose(page, run);
      BottomNavigationRow(page, run, kSubjectFolderDepth, kTopicPageButtons, BottomRowForm::Topic);
      FrameTail(page);
      page.Close();
    }
  }
}

}  // namespace subjects
