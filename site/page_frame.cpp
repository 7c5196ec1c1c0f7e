#include "site/page_frame.h"

#include <utility>

namespace site {

std::string Climb(int levels) {
  std::string chain;
  for (int i = 0; i < levels; ++i) chain += "../";
  return chain;
}

PageFrameWriter::PageFrameWriter(vb::LineWriter& out, FrameLook look)
    : out_(out), look_(std::move(look)) {}

void PageFrameWriter::Line(int blanks, std::string_view text) {
  out_.Print(static_cast<size_t>(blanks), text);
}

void PageFrameWriter::Line(int blanks, std::initializer_list<std::string_view> pieces) {
  out_.Print(static_cast<size_t>(blanks), pieces);
}

void PageFrameWriter::SideCellLine(int blanks) {
  Line(blanks, {"<td width=\"10%\" bgcolor=\"", look_.colour, "\">&nbsp;</td>"});
}

void PageFrameWriter::Head(std::string_view title) {
  Line(0, "<html>");
  Line(0, "");
  Line(0, "<head>");
  Line(0, "<meta http-equiv=\"Content-Language\" content=\"en-us\">");
  Line(0, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
  Line(0, "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">");
  Line(0, "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">");
  Line(0, {"<title>", title, "</title>"});
  Line(0, "</head>");
  Line(0, "");
  Line(0, "<body>");
  Line(0, "");
}

void PageFrameWriter::ButtonAlt(const NavButton& button, std::string_view ending) {
  Line(8, {"alt=\"", button.alt, "\" width=\"127\" height=\"25\">", ending});
}

void PageFrameWriter::LinkLine(int blanks, std::string_view before, const NavButton& button) {
  Line(blanks, {before, "<a href=\"", button.target, "\"><img border=\"0\" src=\"", button.image, "\""});
}

void PageFrameWriter::TopRow(const std::vector<NavButton>& buttons) {
  Line(0, "<div align=\"center\">");
  Line(2, "<table border=\"0\" width=\"100%\">");
  Line(4, "<tr>");
  Line(6, "<td width=\"100%\">");
  Line(8, {"<p align=\"center\"><font face=\"", look_.font_face, "\" size=\"2\">"});
  Line(8, {"<b>", look_.school_name, "<br>"});
  if (buttons.empty()) Line(10, "</b></font>");
  for (size_t i = 0; i < buttons.size(); ++i) {
    LinkLine(10, i == 0 ? "</b></font>" : "", buttons[i]);
    ButtonAlt(buttons[i], "</a>");
  }
  Line(6, "</td>");
  Line(4, "</tr>");
}

void PageFrameWriter::CentreLine() { Line(4, "<center>"); }

void PageFrameWriter::SideCellsOpen(bool centred_column) {
  Line(4, "<tr>");
  Line(6, "<td width=\"100%\">");
  Line(8, "<div align=\"center\">");
  Line(10, "<table border=\"0\" width=\"100%\">");
  Line(12, "<tr>");
  if (centred_column) {
    Line(12, "<center>");
    SideCellLine(14);
    Line(14, "</center><td width=\"80%\"><center>");
  } else {
    SideCellLine(14);
    Line(14, "<td width=\"80%\">");
  }
}

void PageFrameWriter::Heading(std::string_view heading) {
  Line(16, {"<p align=\"center\"><font face=\"", look_.font_face, "\" size=\"6\"><b>", heading,
            "</b></font></p>"});
}

void PageFrameWriter::HeadingTwoLines(std::string_view heading) {
  Line(16, {"<p align=\"center\"><font face=\"", look_.font_face, "\" size=\"6\">"});
  Line(9, {"<b>", heading, "</b></font></p>"});
}

void PageFrameWriter::CentredColumnEnd() {
  Line(16, "<p align=\"center\">&nbsp;");
  Line(16, "<center>");
  Line(16, "</center>");
}

void PageFrameWriter::SideCellsClose() {
  Line(14, "</td>");
  SideCellLine(14);
  Line(12, "</tr>");
  Line(10, "</table>");
  Line(8, "</div>");
  Line(6, "</td>");
  Line(4, "</tr>");
}

void PageFrameWriter::BottomRow(const std::vector<NavButton>& buttons, const BottomRowForm& form) {
  const std::string_view opening = form.spaced ? "<p align=\"center\">&nbsp; " : "<p align=\"center\">";
  Line(4, "<tr>");
  Line(6, "<td width=\"100%\">");
  if (buttons.empty()) Line(10, opening);
  for (size_t i = 0; i < buttons.size(); ++i) {
    const bool last = i + 1 == buttons.size();
    if (i == 0) {
      LinkLine(10, opening, buttons[i]);
    } else {
      LinkLine(form.further_link_blanks, "", buttons[i]);
    }
    if (!last) {
      ButtonAlt(buttons[i], "</a>");
    } else if (form.break_before_anchor_end) {
      ButtonAlt(buttons[i], "<br>");
    } else {
      ButtonAlt(buttons[i], "</a><br>");
    }
  }
  Line(8, {form.break_before_anchor_end && !buttons.empty() ? "</a>" : "", "<font face=\"", look_.font_face,
           "\" size=\"2\">"});
  if (form.paragraph_cell) {
    Line(8, {"<b>", look_.school_name, "</b></font></p>"});
    Line(8, "<p>&nbsp;");
    Line(6, "</td>");
  } else {
    Line(8, {"<b>", look_.school_name, "</b></font></td>"});
  }
  Line(4, "</tr>");
}

void PageFrameWriter::Tail(bool centre_line) {
  if (centre_line) {
    Line(4, "</center></table>");
  } else {
    Line(2, "</table>");
  }
  Line(0, "");
  Line(0, "</div>");
  Line(0, "");
  Line(0, "</body>");
  Line(0, "");
  Line(0, "</html>");
}

}  // namespace site
