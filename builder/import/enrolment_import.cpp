#include "builder/import/enrolment_import.h"

#include <memory>

#include "builder/import/enrolment_messages.h"
#include "builder/import/enrolment_row.h"
#include "builder/import/year_lists.h"
#include "common/open_with.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/vb_error.h"

namespace builder {

namespace {

// Opens the export. Its folder missing counts as the export missing; a lone
// LF ends a line as well, for exports written on Linux.
std::unique_ptr<vb::LineReader> OpenExport(const std::string& path) {
  if (path.empty()) vb::Raise(53, "no export named after /F=");
  try {
    return std::make_unique<vb::LineReader>(path, /*lf_ends_line=*/true);
  } catch (const vb::Error& error) {
    if (error.number() == 76) vb::Raise(53, error.what());
    throw;
  }
}

// The log opens in the desktop's text viewer, or in the program the user
// picks when that fails; the builder goes on at once. A build or Exit
// deletes the log, so a copy of it is kept for the choice.
void ShowLog(const std::string& log_path) { common::OpenKeepingCopy(log_path); }

// One attempt: from opening the export to the end of the import.
std::array<bool, 14> ReadExport(const EnrolmentSource& source, const std::string& program_folder,
                                site::ProgressWindow& progress,
                                const std::function<void(const std::array<bool, 14>&)>& show_main_window) {
  std::unique_ptr<vb::LineReader> export_file = OpenExport(source.EnrolmentPath);
  if (export_file->Lof() < 100) {
    vb::MsgBox(ShortExportMessage(source.Format), vb::vbCritical, kSevereProblemTitle);
    vb::End();
  }

  YearLists lists(program_folder);
  EnrolmentRow row;
  while (!export_file->Eof()) {
    const std::string line = export_file->LineInput();
    const bool parsed = source.Format == EnrolmentFormat::School ? ParseSchoolLine(line, row)
                                                                 : ParseConsoleLine(line, row);
    if (!parsed) continue;
    if (row.NoPreferredName) {
      lists.Log(NoPreferredNameLine(source.Format, row.Surname));
    } else {
      lists.FileStudentByYear(row, progress);
    }
  }
  const bool had_errors = lists.FinishLog();

  progress.Hide();
  if (show_main_window) show_main_window(lists.Filed());
  lists.Close();
  export_file.reset();

  if (had_errors) {
    vb::MsgBox(kEnrolmentErrorsMessage, vb::vbCritical, kEnrolmentErrorsTitle);
    ShowLog(program_folder + std::string(kErrorLogFile));
  }
  return lists.Filed();
}

}  // namespace

std::array<bool, 14> ImportEnrolment(const EnrolmentSource& source,
                                     const std::string& program_folder, site::ProgressWindow& progress,
                                     const std::function<void(const std::array<bool, 14>&)>& show_main_window) {
  progress.SetLabel1(source.EnrolmentPath);
  progress.Show();
  progress.Repaint();
  for (;;) {
    try {
      return ReadExport(source, program_folder, progress, show_main_window);
    } catch (const vb::Error& error) {
      // Every file of the attempt is closed by now.
      switch (error.number()) {
        case 71:
          vb::MsgBox(FloppyMessage(source.Format), vb::vbCritical, kFloppyTitle);
          continue;  // the export is opened again and the lists made anew
        case 53:
          vb::MsgBox(MissingExportMessage(source.Format), vb::vbCritical, kSevereProblemTitle);
          break;
        case 57:
          vb::MsgBox(BadSectorsMessage(), vb::vbCritical, kSevereProblemTitle);
          break;
        default:
          vb::MsgBox(UnexpectedErrorMessage(error.number()), vb::vbCritical, kSevereProblemTitle);
          break;
      }
      vb::End();
    }
  }
}

}  // namespace builder
