// The term's calendar page: two weeks side by side, a day-name cell and an
// empty cell for each school day, on the suite's printable page.
#pragma once

#include <string>

#include "calendar/term_checks.h"

namespace calendar {

// Writes `calendar.file_name` in `tool_folder` whole: the old page is
// replaced only by the complete new one. A failure raises vb::Error and
// leaves the old page as it was (a page name that is no writable file: 75).
void WriteTermCalendarPage(const std::string& tool_folder, const TermCalendar& calendar);

}  // namespace calendar
