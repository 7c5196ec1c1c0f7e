// ovnewsgen: the news tool. It keeps its files in the folder it is installed
// in, the news area of the site whose news page it publishes.
#include <QApplication>

#include "common/bulletin_startup.h"
#include "news/ui/form1.h"
#include "platform/paths.h"
#include "platform/qt/widgets.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vb::InstallQtMessageBoxes();
  news::Form1 form1(common::ToolFolderOf(vb::ProgramFolderOfExecutable(), /*always_append=*/false));
  vb::RunEvent(&form1, [&form1] { form1.Form_Load(); });
  form1.show();
  return app.exec();
}
