#include "calendar/term_calendar_page.h"

#include "common/page_file.h"
#include "common/printable_page.h"

namespace calendar {

namespace {

constexpr const char* kTableOpen[] = {
    "      <div align=\"center\">",
    "        <center>",
    "        <table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" style=\"border-collapse: collapse\" "
    "bordercolor=\"#111111\" width=\"100%\" id=\"AutoNumber2\">",
};
constexpr const char* kTableClose[] = {
    "        </table>",
    "        </center>",
    "      </div>",
};
constexpr const char* kDayNames[] = {"Mon", "Tues", "Wed", "Thur", "Fri"};

std::string WeekHeader(const std::string& label) {
  return "            <p align=\"center\"><b><font face=\"Arial\">" + label + "</font></b></td>";
}

// Two weeks side by side; an empty label leaves the right-hand week blank.
void WritePairOfWeeks(common::PageFile& page, const std::string& left, const std::string& right) {
  page.Print("          <tr>");
  page.Print("            <td width=\"50%\" align=\"right\" colspan=\"2\" bgcolor=\"#CCCCCC\">");
  page.Print(WeekHeader(left));
  page.Print("            <td width=\"50%\" colspan=\"2\" bgcolor=\"#CCCCCC\">");
  page.Print(WeekHeader(right));
  page.Print("          </tr>");
  for (const char* day : kDayNames) {
    page.Print("          <tr>");
    for (int week = 0; week < 2; ++week) {
      page.Print("            <td width=\"5%\" align=\"right\" bgcolor=\"#9999FF\"><b>");
      page.Print(std::string("            <font face=\"Arial\">") + day + "</font></b></td>");
      page.Print(
          "            <td width=\"45%\" align=\"left\" valign=\"top\"><font face=\"Arial\" size=\"2\">&nbsp;</td>");
    }
    page.Print("          </tr>");
  }
}

}  // namespace

void WriteTermCalendarPage(const std::string& tool_folder, const TermCalendar& calendar) {
  using common::LayoutKind;
  common::PageFile page(tool_folder + calendar.file_name);
  page.Open();
  common::WritePrintablePageHead(page, "Orvane Term Calendar");
  common::WritePageFrameOpen(page, LayoutKind::CalendarLayout);
  common::WritePrintLinkRow(page,
                            {"To update ", "this calendar, click the<br>",
                             "Edit button to open it in FrontPage</font></td>"},
                            "<b><font face=\"Arial\" size=\"4\">" + calendar.term + " - " + calendar.year +
                                "</font></b>",
                            LayoutKind::CalendarLayout);
  for (const char* line : kTableOpen) page.Print(line);
  const std::vector<std::string>& weeks = calendar.weeks;
  for (size_t left = 0; left < weeks.size(); left += 2) {
    WritePairOfWeeks(page, weeks[left], left + 1 < weeks.size() ? weeks[left + 1] : std::string());
  }
  for (const char* line : kTableClose) page.Print(line);
  common::WritePageClose(page,
                         "<font face=\"Arial\" size=\"1\"> NOTE: Use Shift-Enter after typing a line to drop "
                         "down only one line space.");
  page.Commit();
}

}  // namespace calendar
