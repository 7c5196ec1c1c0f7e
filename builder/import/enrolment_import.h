// The import of the school's enrolment export at start-up: the export is read
// line by line into the fourteen year lists and errorlog.txt.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "site/progress_window.h"

namespace builder {

enum class EnrolmentFormat { Console, School };

struct EnrolmentSource {
  std::string EnrolmentPath;  // windows-1252, Windows form or native
  EnrolmentFormat Format;
};

// The setup folder and the two exports that may stand in it.
inline constexpr std::string_view kSetupFolder = "C:\\orvanesetup\\";
inline constexpr std::string_view kConsoleExportName = "StudentsRecord.csv";
inline constexpr std::string_view kSchoolExportName = "school.csv";

// The "/F=" option of the command line (the raw text after the program name:
// on Linux the arguments joined with single blanks) and the format choice.
// With "/F=" the path is at most 100 characters from the second character
// after "=" (so "/F= D:\x.csv"); it is read in the school format when its last
// name is "school.csv" in any case, else in the console format. Without it,
// the console export of the setup folder when it exists, else its school
// export. Never fails.
EnrolmentSource ParseEnrolmentOption(std::string_view command_line);

// Steps from opening the export to the end of the import: writes the year
// lists and errorlog.txt into program_folder (ends in a separator), shows the
// export path and each filed student in `progress` (repainted), shows the
// messages, starts the log viewer, retries on 71, and on a fatal error shows
// its message and calls vb::End(). Returns, per row of YearLevelTable, whether
// at least one student was filed (the year box is then enabled).
//
// The progress window is shown here, with the export path, before the export
// is opened, and hidden here when the lists are complete; after a fatal error
// it stays up until the program is gone. `show_main_window` runs right after
// it is hidden, with what the import returns, so that the box that reports
// faulty rows stands over the main window with its year boxes enabled.
std::array<bool, 14> ImportEnrolment(const EnrolmentSource& source,
                                     const std::string& program_folder, site::ProgressWindow& progress,
                                     const std::function<void(const std::array<bool, 14>&)>& show_main_window = {});

}  // namespace builder
