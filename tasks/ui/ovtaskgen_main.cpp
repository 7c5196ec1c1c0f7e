// ovtaskgen: the administrator's manager of the task store of the folder the
// program is kept in, behind a password.
#include <QApplication>

#include "common/open_with.h"
#include "platform/paths.h"
#include "platform/qt/open_with_dialog.h"
#include "platform/qt/widgets.h"
#include "tasks/ui/manager_form1.h"
#include "tasks/ui/manager_form2.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (vb::RunOpenWithHelper(argc, argv)) return 0;
  vb::InstallQtMessageBoxes();
  common::SetOpenWithHelper(vb::StartOpenWithHelper);
  tasks::manager::Form2 form2;
  tasks::manager::Form1 form1(vb::ProgramFolderOfExecutable());
  vb::RunEvent(&form1, [&] { form1.Form_Load(tasks::manager::DialogPasswordPrompts(form2)); });
  return app.exec();
}
