// The school home page at the site root: the frame's one-row home form with
// the school's name and one button to the Year Pages of the year built.
#include "builder/pages/page_writers.h"
#include "site/page_frame.h"
#include "site/site_page_frame.h"

namespace builder {

void MainSchoolPage(site::BuildRun& run) {
  run.ctx.PageCount += 1;
  vb::LineWriter out("index.htm");
  const site::FrameLook look = site::LookOf(run);
  site::PageFrameWriter page(out, look);

  page.Head(look.school_name + " Home Page");
  page.Line(0, "<div align=\"center\">");
  page.Line(2, "<table border=\"0\" width=\"100%\">");
  page.Line(4, "<tr>");
  page.Line(4, "<center>");
  page.SideCellLine(6);
  page.Line(4, "</center>");
  page.Line(6, "<td width=\"80%\">");
  page.Line(6, "<center>");
  page.Line(8, "<p align=\"center\"><font face=\"" + look.font_face + "\" size=\"6\">");
  page.Line(8, "<b>" + look.school_name + "</b></font></p>");
  page.Line(8, "<p align=\"center\"><font face=\"" + look.font_face + "\">Home Page</font>");
  page.Line(6, "</center>");
  page.Line(8, "<p align=\"center\"><font face=\"" + look.font_face +
                   "\" size=\"2\"><b><a href=\"" + run.settings.SiteYear() + "/index.htm\">");
  page.Line(8,
            "<img src=\"ovimages/but-yrpg.jpg\" width=\"127\" height=\"25\" border=\"0\" "
            "alt=\"Click to view the Year Pages...\">");
  page.Line(8, "</a></b></font></p>");
  page.Line(8, "<p align=\"center\">&nbsp;</p>");
  page.Line(6, "</td>");
  page.SideCellLine(6);
  page.Line(4, "</tr>");
  page.Line(2, "</table>");
  page.Line(0, "</div>");
  page.Line(0, "");
  page.Line(0, "</body>");
  page.Line(0, "");
  page.Line(0, "</html>");
  out.Close();
}

}  // namespace builder
