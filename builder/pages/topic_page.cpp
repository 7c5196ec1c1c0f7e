// One topic page of a student in the primary layout.
#include "builder/pages/level_writers.h"
#include "platform/text.h"
#include "site/edit_hint.h"
#include "site/site_page_frame.h"

namespace builder {

void WriteTopicPage(BuildRun& run, int topic_index) {
  const std::string t = vb::NumberText(topic_index);
  FrameSlots slots;
  slots.title = run.ctx.MasterFlag == 0
                    ? "Student - Topic " + t
                    : run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname + " - Topic " + t;
  slots.depth = 4;
  slots.buttons = {Button::MyPage, Button::Class, Button::Classes, Button::Years, Button::Home};
  slots.heading = "Topic " + t + " Title";
  slots.heading_two_lines = true;
  slots.centre_line = true;

  const bool evaluation = run.settings.EvaluationSection();
  SitePageFrame(run, "topic" + t + ".htm", slots, [&](PageFrameWriter& page) {
    EditHintParagraph(page);
    EmptyParagraphs(page, 4);
    if (evaluation) EvaluationTable(page);
  });
}

}  // namespace builder
