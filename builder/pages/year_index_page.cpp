// The Year Pages page of the year being built, with the year's master folder
// and one folder for every ticked year level.
#include "builder/core/tables.h"
#include "builder/pages/page_writers.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "site/site_page_frame.h"

namespace builder {

void YearIndexPage(site::BuildRun& run) {
  const std::string year_folder = run.ctx.TargetDrive + "\\orvane\\" + run.settings.SiteYear();
  site::FrameSlots slots;
  slots.title = "Year Pages";
  slots.depth = 1;
  slots.buttons = {site::Button::Home};
  slots.heading = "Years";
  slots.centred_column = true;
  slots.spaced_bottom = true;

  site::SitePageFrame(run, kUnfinishedYearPages, slots, [&](site::PageFrameWriter& page) {
    const std::string font = page.look().font_face;
    page.Line(16, "<p align=\"center\"><font face=\"" + font + "\">Click on a Year to see the");
    page.Line(16, "Class Pages for " + run.settings.SiteYear() + "</font>");
    page.Line(16, "</center>");
    // An existing folder is used as it is, and the page goes on to its end.
    site::PassOver75([&] { vb::MkDir(year_folder + "\\masterstudent"); });
    for (int row = 0; row < static_cast<int>(YearLevelTable.size()); ++row) {
      if (!run.settings.YearLevel(row)) continue;
      const YearLevelRow& level = YearLevelTable[row];
      site::PassOver75([&] { vb::MkDir(year_folder + "\\" + std::string(level.folder)); });
      page.Line(16, "<p align=\"center\"><font face=\"" + font + "\" size=\"2\"><b><a href=\"" +
                        std::string(level.folder) + "/index.htm\">");
      page.Line(16, std::string(level.link_text) + "</a></b></font></p>");
    }
    if (run.settings.LastYearLink()) {
      const std::string& last = run.ctx.LastYear;
      page.Line(16, "<p align=\"center\"><a href=\"../" + last + "/index.htm\">");
      page.Line(16, "<img border=\"0\" src=\"../ovimages/but-" + last +
                        ".jpg\" width=\"127\" height=\"25\" alt=\"Click here to see the Student "
                        "Pages from " +
                        last + "!\"></a></p>");
    }
  });
}

void PublishYearPages(site::BuildRun& run) {
  // The page is synced and renamed over an empty index.htm in one step, and
  // the folder synced after: the year counts as built only once it is whole.
  // Anything but a file in the page's place (a folder) stops the build as a
  // page that is already there.
  vb::ReplaceRules rules;
  rules.temporary_name = kUnfinishedYearPages;
  rules.refuse_other_than_file = true;
  rules.replace_link = true;
  rules.refusal_number = 58;
  vb::PutInPlace(run.ctx.TargetDrive + "\\orvane\\" + run.settings.SiteYear() + "\\index.htm", rules);
}

}  // namespace builder
