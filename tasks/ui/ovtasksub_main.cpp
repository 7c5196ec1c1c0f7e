// ovtasksub: staff submit computer-help requests into the task store of the
// folder the program is kept in.
#include <QApplication>

#include "platform/paths.h"
#include "platform/qt/widgets.h"
#include "tasks/ui/submitter_form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vb::InstallQtMessageBoxes();
  tasks::submitter::Form1 form1(vb::ProgramFolderOfExecutable());
  vb::RunEvent(&form1, [&form1] { form1.Form_Load(); });
  return app.exec();
}
