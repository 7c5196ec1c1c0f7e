#include "subjects/pages/subject_page_frame.h"

namespace subjects {

SubjectPageMode PageModeOf(const builder::BuildContext& ctx) {
  if (ctx.PreviewMode == 1) return SubjectPageMode::Preview;
  if (ctx.MasterFlag == 0) return SubjectPageMode::Master;
  return SubjectPageMode::Named;
}

std::string ButtonImagePath(builder::ImagePlacement placement, int depth, std::string_view image) {
  std::string path;
  if (placement == builder::ImagePlacement::Shared) {
    for (int i = 0; i < depth; ++i) path += "../";
    path += "ovimages/";
  } else {
    for (int i = kStudentFolderDepth; i < depth; ++i) path += "../";
  }
  path += image;
  return path;
}

void PageFile::Line(int blanks, std::string_view text) {
  std::string line(static_cast<size_t>(blanks), ' ');
  line += text;
  out_.Print(line);
}

namespace {

std::string LinkLine(const builder::BuildRun& run, int depth, const NavButton& button) {
  return "<a href=\"" + std::string(button.target) + "\"><img border=\"0\" src=\"" +
         ButtonImagePath(run.settings.ImagePlacement(), depth, button.image) + "\"";
}

std::string AltLine(const NavButton& button, std::string_view ending) {
  return "alt=\"" + std::string(button.alt) + "\" width=\"127\" height=\"25\">" + std::string(ending);
}

std::string FontOpen(const builder::BuildRun& run) {
  return "<font face=\"" + run.ctx.FontFace + "\" size=\"2\">";
}

}  // namespace

void FrameHead(PageFile& page, std::string_view title_line) {
  page.Line(0, "<html>");
  page.Empty();
  page.Line(0, "<head>");
  page.Line(0, "<meta http-equiv=\"Content-Language\" content=\"en-us\">");
  page.Line(0, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
  page.Line(0, "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">");
  page.Line(0, "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">");
  page.Line(0, title_line);
  page.Line(0, "</head>");
  page.Empty();
  page.Line(0, "<body>");
  page.Empty();
}

void TopNavigationRow(PageFile& page, const builder::BuildRun& run, int depth,
                      std::span<const NavButton> buttons) {
  page.Line(0, "<div align=\"center\">");
  page.Line(2, "<table border=\"0\" width=\"100%\">");
  page.Line(4, "<tr>");
  page.Line(6, "<td width=\"100%\">");
  page.Line(8, "<p align=\"center\">" + FontOpen(run));
  page.Line(8, "<b>" + run.settings.SiteSchoolName() + "<br>");
  for (size_t i = 0; i < buttons.size(); ++i) {
    page.Line(10, (i == 0 ? "</b></font>" : "") + LinkLine(run, depth, buttons[i]));
    page.Line(8, AltLine(buttons[i], "</a>"));
  }
  page.Line(6, "</td>");
  page.Line(4, "</tr>");
}

void CenterLine(PageFile& page) { page.Line(4, "<center>"); }

void SideCellsOpen(PageFile& page, const builder::BuildRun& run) {
  page.Line(4, "<tr>");
  page.Line(6, "<td width=\"100%\">");
  page.Line(8, "<div align=\"center\">");
  page.Line(10, "<table border=\"0\" width=\"100%\">");
  page.Line(12, "<tr>");
  page.Line(14, "<td width=\"10%\" bgcolor=\"" + run.ctx.ThemeColour1 + "\">&nbsp;</td>");
  page.Line(14, "<td width=\"80%\">");
}

void SideCellsClose(PageFile& page, const builder::BuildRun& run) {
  page.Line(14, "</td>");
  page.Line(14, "<td width=\"10%\" bgcolor=\"" + run.ctx.ThemeColour1 + "\">&nbsp;</td>");
  page.Line(12, "</tr>");
  page.Line(10, "</table>");
  page.Line(8, "</div>");
  page.Line(6, "</td>");
  page.Line(4, "</tr>");
}

void BottomNavigationRow(PageFile& page, const builder::BuildRun& run, int depth,
                         std::span<const NavButton> buttons, BottomRowForm form) {
  const bool home = form == BottomRowForm::Home;
  page.Line(4, "<tr>");
  page.Line(6, "<td width=\"100%\">");
  for (size_t i = 0; i < buttons.size(); ++i) {
    const bool last = i + 1 == buttons.size();
    if (i == 0) {
      page.Line(10, "<p align=\"center\">" + LinkLine(run, depth, buttons[i]));
    } else {
      page.Line(home ? 12 : 10, LinkLine(run, depth, buttons[i]));
    }
    if (!last) {
      page.Line(8, AltLine(buttons[i], "</a>"));
    } else {
      page.Line(8, AltLine(buttons[i], home ? "<br>" : "</a><br>"));
    }
  }
  page.Line(8, (home ? "</a>" : "") + FontOpen(run));
  if (form == BottomRowForm::Topic) {
    page.Line(8, "<b>" + run.settings.SiteSchoolName() + "</b></font></td>");
  } else {
    page.Line(8, "<b>" + run.settings.SiteSchoolName() + "</b></font></p>");
    page.Line(8, "<p>&nbsp;");
    page.Line(6, "</td>");
  }
  page.Line(4, "</tr>");
}

void FrameTail(PageFile& page) {
  page.Line(4, "</center></table>");
  page.Empty();
  page.Line(0, "</div>");
  page.Empty();
  page.Line(0, "</body>");
  page.Empty();
  page.Line(0, "</html>");
}

}  // namespace subjects
