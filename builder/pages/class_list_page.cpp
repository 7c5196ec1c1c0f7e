// The class-list page of a year level.
#include "builder/pages/level_writers.h"
#include "site/site_page_frame.h"

namespace builder {

void WriteClassListPage(site::BuildRun& run, const YearLevel& level) {
  site::FrameSlots slots;
  slots.title = "Class Pages";
  slots.depth = 2;
  slots.buttons = {site::Button::Years, site::Button::Home};
  slots.heading = run.ctx.LevelHeading;
  slots.centred_column = true;
  slots.spaced_bottom = true;

  site::SitePageFrame(run, "index.htm", slots, [&](site::PageFrameWriter& page) {
    const std::string font = page.look().font_face;
    page.Line(16, "<p align=\"center\"><font face=\"" + font + "\">Click on a Class name");
    page.Line(16, "to see the Student Pages</font>");
    page.Line(16, "</center>");
    page.Line(0, "");
    for (const LevelClass& entry : level.classes) {
      page.Line(16, "<p align=\"center\"><font face = \"" + font + "\" Size = \"2\">");
      page.Line(16, "<b><a href=\"" + entry.ClassFolderName + "/index.htm\">");
      page.Line(16, entry.ClassName + "</a></b></font></p>");
    }
  });
}

}  // namespace builder
