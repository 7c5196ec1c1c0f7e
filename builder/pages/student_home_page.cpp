// A student's home page in the primary layout: greeting, work folders, a
// placeholder photo and links to the twelve topic pages.
#include "builder/pages/level_writers.h"
#include "platform/text.h"
#include "site/site_page_frame.h"
#include "site/student_greeting.h"

namespace builder {

namespace {

void TopicCells(site::PageFrameWriter& page, int topic, const std::string& clik_image, bool portfolio) {
  const std::string font = page.look().font_face;
  const std::string t = vb::NumberText(topic);
  page.Line(22, "<td width=\"10%\"><a href=\"topic" + t + ".htm\"><img border=\"0\" src=\"" +
                    clik_image + "\"");
  page.Line(22, "alt=\"Click to see my work this year!\" width=\"60\" height=\"60\"></a></td>");
  if (topic == 12 && portfolio) {
    page.Line(22, "<td width=\"40%\"><font size=\"2\" face=\"" + font + "\">My Writing Portfolio");
    page.Line(22, "</font></td>");
  } else {
    page.Line(22, "<td width=\"40%\"><font size=\"2\" face=\"" + font + "\">Topic " + t + " -");
    page.Line(22, "Edit this title to describe the page it will open</font></td>");
  }
}

void TopicTable(site::PageFrameWriter& page, const std::string& clik_image, bool portfolio) {
  const site::FrameLook& look = page.look();
  page.Line(16, "<div align=\"center\">");
  page.Line(18, "<table border=\"0\" width=\"90%\">");
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"100%\" colspan=\"4\" bgcolor=\"" + look.colour + "\">");
  page.Line(24, "<p align=\"center\"><b><font face=\"" + look.font_face + "\">Take a look");
  page.Line(24, "around the work I've been doing in class this year!</font></b></td>");
  page.Line(20, "</tr>");
  for (int r = 1; r <= 6; ++r) {
    page.Line(20, "<tr>");
    TopicCells(page, r, clik_image, portfolio);
    TopicCells(page, r + 6, clik_image, portfolio);
    page.Line(20, "</tr>");
  }
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"100%\" colspan=\"4\" bgcolor=\"" + look.colour + "\">&nbsp;</td>");
  page.Line(20, "</tr>");
  page.Line(18, "</table>");
  page.Line(16, "</div>");
}

}  // namespace

void WriteK6HomePage(site::BuildRun& run) { WriteK6HomePage(run, "index.htm"); }

void WriteK6HomePage(site::BuildRun& run, std::string_view file_name) {
  const bool master = run.ctx.MasterFlag == 0;
  const std::string name =
      master ? "New Student" : run.ctx.CurrentPreferredName + " " + run.ctx.CurrentSurname;
  const site::ImagePlacement placement = run.settings.ImagePlacement();
  const bool portfolio = run.settings.WritingPortfolio();

  site::FrameSlots slots;
  slots.title = master ? "Student's Home Page" : name + "'s Home Page";
  slots.depth = 4;
  slots.buttons = {site::Button::Class, site::Button::Classes, site::Button::Years, site::Button::Home};
  slots.centre_line = true;
  slots.paragraph_cell = true;

  site::SitePageFrame(run, file_name, slots, [&](site::PageFrameWriter& page) {
    // The photo is the shared image folder's with Shared placement, since
    // nothing is copied beside the page then.
    site::StudentGreeting(page, name, site::ImageSource(placement, 4, "owl.gif"));
    TopicTable(page, site::ImageSource(placement, 4, "but-clik.jpg"), portfolio);
  });
}

}  // namespace builder
