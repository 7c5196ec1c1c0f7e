// orvane: the site builder. Starts with the import of the enrolment export
// ("/F= <path>" on the command line names it) and shows the main window;
// started with the Open With option, it only opens the file named, offering
// the Open With choice when that fails.
#include <QApplication>

#include "builder/ui/form1.h"
#include "builder/core/one_builder.h"
#include "common/open_with.h"
#include "platform/paths.h"
#include "platform/qt/open_with_dialog.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (vb::RunOpenWithHelper(argc, argv)) return 0;
  vb::InstallQtMessageBoxes();
  common::SetOpenWithHelper(vb::StartOpenWithHelper);

  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command_line += ' ';
    command_line += vb::Utf8To1252(argv[i]);
  }
  const std::string program_folder = vb::ProgramFolderOfExecutable();
  const auto claim = builder::ClaimProgramFolder(program_folder);
  if (!claim) return 1;
  builder::Form1 form1(program_folder, command_line);
  vb::RunEvent(&form1, [&form1] { form1.Form_Load(); });
  form1.show();
  return app.exec();
}
