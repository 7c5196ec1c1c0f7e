#include "expected_frame.h"

namespace pages_test {

ExpectedButton Btn(const std::string& kind, int depth, bool shared) {
  struct Kind {
    const char* name;
    int depth;
    const char* image;
    const char* alt;
  };
  static const Kind kinds[] = {
      {"home", 0, "but-home.jpg", "Click to return to our School's Home Page"},
      {"years", 1, "but-yrpg.jpg", "Click to return to the Years pages..."},
      {"classes", 2, "but-clpg.jpg", "Click to return to the Classes list..."},
      {"class", 3, "but-stpg.jpg", "Click to see the pages of other students in my class..."},
      {"mypage", 4, "but-mypg.jpg", "Click here to return to My Home Page!"},
  };
  for (const Kind& k : kinds) {
    if (kind != k.name) continue;
    std::string up, root;
    for (int i = k.depth; i < depth; ++i) up += "../";
    for (int i = 0; i < depth; ++i) root += "../";
    return {up + "index.htm", shared ? root + "ovimages/" + k.image : k.image, k.alt};
  }
  return {};
}

Lines Head(const std::string& title) {
  return {"<html>",
          "",
          "<head>",
          "<meta http-equiv=\"Content-Language\" content=\"en-us\">",
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
          "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">",
          "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">",
          "<title>" + title + "</title>",
          "</head>",
          "",
          "<body>",
          ""};
}

static std::string Link(const ExpectedButton& b) {
  return "<a href=\"" + b.target + "\"><img border=\"0\" src=\"" + b.image + "\"";
}

static std::string Alt(const ExpectedButton& b, const std::string& end) {
  return "alt=\"" + b.alt + "\" width=\"127\" height=\"25\">" + end;
}

Lines TopRow(const std::string& school, const std::vector<ExpectedButton>& buttons) {
  Lines lines = {"<div align=\"center\">",
                 "<table border=\"0\" width=\"100%\">",
                 "<tr>",
                 "<td width=\"100%\">",
                 "<p align=\"center\"><font face=\"Arial\" size=\"2\">",
                 "<b>" + school + "<br>"};
  for (size_t i = 0; i < buttons.size(); ++i) {
    lines.push_back((i == 0 ? "</b></font>" : "") + Link(buttons[i]));
    lines.push_back(Alt(buttons[i], "</a>"));
  }
  lines.push_back("</td>");
  lines.push_back("</tr>");
  return lines;
}

Lines MiddleOpen(bool centred) {
  Lines lines = {"<tr>", "<td width=\"100%\">", "<div align=\"center\">",
                 "<table border=\"0\" width=\"100%\">", "<tr>"};
  if (centred) {
    lines.push_back("<center>");
    lines.push_back("<td width=\"10%\" bgcolor=\"#999966\">&nbsp;</td>");
    lines.push_back("</center><td width=\"80%\"><center>");
  } else {
    lines.push_back("<td width=\"10%\" bgcolor=\"#999966\">&nbsp;</td>");
    lines.push_back("<td width=\"80%\">");
  }
  return lines;
}

Lines MiddleClose() {
  return {"</td>",  "<td width=\"10%\" bgcolor=\"#999966\">&nbsp;</td>",
          "</tr>",  "</table>",
          "</div>", "</td>",
          "</tr>"};
}

Lines BottomRow(const std::string& school, const std::vector<ExpectedButton>& buttons, bool spaced,
                bool paragraph_cell) {
  Lines lines = {"<tr>", "<td width=\"100%\">"};
  for (size_t i = 0; i < buttons.size(); ++i) {
    const bool last = i + 1 == buttons.size();
    lines.push_back(
        (i == 0 ? std::string(spaced ? "<p align=\"center\">&nbsp; " : "<p align=\"center\">")
                : std::string()) +
        Link(buttons[i]));
    lines.push_back(Alt(buttons[i], last ? "<br>" : "</a>"));
  }
  lines.push_back("</a><font face=\"Arial\" size=\"2\">");
  if (paragraph_cell) {
    lines.push_back("<b>" + school + "</b></font></p>");
    lines.push_back("<p>&nbsp;");
    lines.push_back("</td>");
  } else {
    lines.push_back("<b>" + school + "</b></font></td>");
  }
  lines.push_back("</tr>");
  return lines;
}

Lines Tail(bool centre_line) {
  return {
      centre_line ? "</center></table>" : "</table>", "", "</div>", "", "</body>", "", "</html>"};
}

Lines operator+(Lines first, const Lines& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

}  // namespace pages_test
