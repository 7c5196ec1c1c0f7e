// The teacher's news page of a class: a blank page to edit later.
#include "builder/pages/level_writers.h"
#include "site/edit_hint.h"
#include "site/site_page_frame.h"

namespace builder {

void TeachersNews(site::BuildRun& run) {
  site::FrameSlots slots;
  slots.title = "Teacher's News";
  slots.depth = 3;
  slots.buttons = {site::Button::Class, site::Button::Classes, site::Button::Years, site::Button::Home};
  slots.heading = "Teacher's News";
  slots.heading_two_lines = true;
  slots.centre_line = true;

  site::SitePageFrame(run, "teacher.htm", slots, [](site::PageFrameWriter& page) {
    site::EditHintParagraph(page);
    site::EmptyParagraphs(page, 4);
  });
}

}  // namespace builder
