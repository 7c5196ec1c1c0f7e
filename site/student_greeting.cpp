#include "site/student_greeting.h"

namespace site {

void StudentGreeting(PageFrameWriter& page, const std::string& name, const std::string& photo) {
  const std::string font = page.look().font_face;
  page.Line(16, "<div align=\"center\">");
  page.Line(18, "<center>");
  page.Line(18, "<table border=\"0\" cellpadding=\"5\" width=\"99%\">");
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"70%\" valign=\"middle\" align=\"center\">");
  page.Line(16, "<p align=\"center\"><font face=\"" + font + "\">Hi! My name is</font></p>");
  page.Line(16, "<p align=\"center\"><font face=\"" + font + "\" size=\"6\"><b>" + name +
                    "</b></font></p>");
  page.Line(16, "<p align=\"center\"><font face=\"" + font + "\">and this");
  page.Line(16, "is my Home Page </font></p>");
  page.Line(16, "<p align=\"center\"><font size=\"2\" face=\"" + font +
                    "\">View my: <a href=\"work/\" target=\"_blank\">Work");
  page.Line(16, "folder</a> / <a href=\"powerpoints/\" target=\"_blank\">PowerPoints");
  page.Line(16, "folder</a> / <a href=\"images/\" target=\"_blank\">Images folder</a></font></p>");
  page.Line(22, "</td>");
  page.Line(22, "<td width=\"30%\" valign=\"middle\" align=\"center\"><img border=\"0\" src=\"" +
                    photo +
                    "\" width=\"179\" height=\"191\" alt=\"Replace this picture with a "
                    "photo of yourself!\"></td>");
  page.Line(20, "</tr>");
  page.Line(18, "</table>");
  page.Line(18, "</center>");
  page.Line(16, "</div>");
}

}  // namespace site
