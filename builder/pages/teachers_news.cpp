// The teacher's news page of a class: a blank page to edit later.
#include "builder/pages/level_writers.h"
#include "site/edit_hint.h"
#include "site/site_page_frame.h"

namespace builder {

void TeachersNews(BuildRun& run) {
  FrameSlots slots;
  slots.title = "Teacher's News";
  slots.depth = 3;
  slots.buttons = {Button::Class, Button::Classes, Button::Years, Button::Home};
  slots.heading = "Teacher's News";
  slots.heading_two_lines = true;
  slots.centre_line = true;

  SitePageFrame(run, "teacher.htm", slots, [](PageFrameWriter& page) {
    EditHintParagraph(page);
    EmptyParagraphs(page, 4);
  });
}

}  // namespace builder
