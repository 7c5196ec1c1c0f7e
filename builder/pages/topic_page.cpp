// One topic page of a student in the primary layout.
#include "builder/pages/level_writers.h"
#include "platform/text.h"
#include "site/edit_hint.h"
#include "site/site_page_frame.h"

namespace builder {

void WriteTopicPage(site::BuildRun& run, int topic_index) {
  const std::string t = vb::NumberText(topic_index);
  site::FrameSlots slots;
  slots.title = run.ctx.MasterFlag == 0
                    ? "Student - Topic " + t
                    : run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname + " - Topic " + t;
  slots.depth = 4;
  slots.buttons = {site::Button::MyPage, site::Button::Class, site::Button::Classes, site::Button::Years,
                   site::Button::Home};
  slots.heading = "Topic " + t + " Title";
  slots.heading_two_lines = true;
  slots.centre_line = true;

  const bool evaluation = run.settings.EvaluationSection();
  site::SitePageFrame(run, "topic" + t + ".htm", slots, [&](site::PageFrameWriter& page) {
    site::EditHintParagraph(page);
    site::EmptyParagraphs(page, 4);
    if (evaluation) site::EvaluationTable(page);
  });
}

}  // namespace builder
