#include "subjects/pages/subject_page_frame.h"

#include <vector>

#include "platform/files.h"
#include "site/site_page_frame.h"

namespace subjects {

SubjectPageMode PageModeOf(const site::BuildContext& ctx) {
  if (ctx.PreviewMode == 1) return SubjectPageMode::Preview;
  if (ctx.MasterFlag == 0) return SubjectPageMode::Master;
  return SubjectPageMode::Named;
}

std::string ButtonImagePath(site::ImagePlacement placement, int depth, std::string_view image) {
  if (placement == site::ImagePlacement::Shared) {
    return site::Climb(depth) + "ovimages/" + std::string(image);
  }
  return site::Climb(depth - kStudentFolderDepth) + std::string(image);
}

site::ImagePlacement PagePlacement(const site::BuildRun& run) {
  if (PageModeOf(run.ctx) == SubjectPageMode::Preview) return site::ImagePlacement::Replicated;
  return run.settings.ImagePlacement();
}

namespace {

// The buttons of a page at `depth` with the image placement chosen now.
std::vector<site::NavButton> NavButtons(const site::BuildRun& run, int depth,
                                           std::span<const ButtonLink> links) {
  std::vector<site::NavButton> buttons;
  for (const ButtonLink& link : links) {
    buttons.push_back({std::string(link.target),
                       ButtonImagePath(PagePlacement(run), depth, link.image),
                       std::string(link.alt)});
  }
  return buttons;
}

}  // namespace

void WriteSubjectPage(const site::BuildRun& run, std::string_view file, std::string_view title,
                      const SubjectPageLayout& layout,
                      const std::function<void(site::PageFrameWriter&)>& content) {
  vb::LineWriter out(file);
  site::PageFrameWriter frame(out, site::LookOf(run));
  const std::vector<site::NavButton> buttons = NavButtons(run, layout.depth, layout.buttons);
  frame.Head(title);
  frame.TopRow(buttons);
  frame.CentreLine();
  frame.SideCellsOpen();
  content(frame);
  frame.SideCellsClose();
  frame.BottomRow(buttons, layout.bottom_row);
  frame.Tail(true);
  out.Close();
}

void OpenLinkTable(site::PageFrameWriter& page, const site::BuildRun& run, std::string_view where) {
  page.Line(16, "<div align=\"center\">");
  page.Line(18, "<table border=\"0\" width=\"90%\">");
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"100%\" colspan=\"4\" bgcolor=\"" + run.ctx.ThemeColour1 + "\">");
  page.Line(24, "<p align=\"center\"><b><font face=\"" + run.ctx.FontFace + "\">Take a look");
  page.Line(24, "around the work I've been doing in " + std::string(where) + " this year!</font></b></td>");
  page.Line(20, "</tr>");
}

void CloseLinkTable(site::PageFrameWriter& page, const site::BuildRun& run) {
  page.Line(20, "<tr>");
  page.Line(22, "<td width=\"100%\" colspan=\"4\" bgcolor=\"" + run.ctx.ThemeColour1 + "\">&nbsp;</td>");
  page.Line(20, "</tr>");
  page.Line(18, "</table>");
  page.Line(16, "</div>");
}

}  // namespace subjects
