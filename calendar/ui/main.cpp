// ovcalendar: the term calendar tool, run from the site's calendar folder.
#include <QApplication>

#include "calendar/ui/form1.h"
#include "platform/paths.h"
#include "platform/qt/widgets.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vb::InstallQtMessageBoxes();
  calendar::Form1 form1(vb::ProgramFolderOfExecutable());
  vb::RunEvent(&form1, [&form1] { form1.Form_Load(); });
  form1.show();
  return app.exec();
}
