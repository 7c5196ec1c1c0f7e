// The topic pages of every subject folder: an empty page per topic for the
// student to fill in, with an optional evaluation section.
#include "subjects/pages/subject_writers.h"

#include <string>

#include "site/edit_hint.h"
#include "subjects/core/subject_groups.h"
#include "subjects/pages/subject_folder.h"
#include "subjects/pages/subject_page_frame.h"

namespace subjects {

namespace {

constexpr ButtonLink kTopicPageButtons[5] = {
    kSubjectPageButton,          SubjectNavigationButtons[1], SubjectNavigationButtons[2],
    SubjectNavigationButtons[3], SubjectNavigationButtons[4],
};

}  // namespace

void WriteTopicPages(site::BuildRun& run) {
  const int count = Groups().SubjectGroupCount;
  for (int i = 1; i <= count; ++i) {
    EnterSubjectFolder(run, i);
    const int topics = Groups().TopicsPerGroup;
    for (int k = 1; k <= topics; ++k) {
      const std::string number = std::to_string(k);
      const std::string title = run.ctx.MasterFlag == 0 ? "Student - Topic " + number
                                                        : run.ctx.CurrentPreferredName + " " +
                                                              run.ctx.CurrentSurname + " - Topic " + number;
      run.ctx.PageCount += 1;
      WriteSubjectPage(run, "topic" + number + ".htm", title,
                       {kSubjectFolderDepth, kTopicPageButtons, kTopicBottomRow},
                       [&](site::PageFrameWriter& page) {
                         page.HeadingTwoLines("Topic " + number + " Title");
                         site::EditHintParagraph(page);
                         site::EmptyParagraphs(page, 4);
                         if (run.settings.EvaluationSection()) site::EvaluationTable(page);
                       });
    }
  }
}

}  // namespace subjects
