#include "topics/ui/program.h"

#include <QApplication>

#include "common/open_with.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/qt/open_with_dialog.h"
#include "platform/qt/widgets.h"
#include "topics/startup.h"
#include "topics/ui/topics_window.h"

namespace topics {

int RunTopicsProgram(Variant variant, int argc, char** argv) {
  QApplication app(argc, argv);
  if (vb::RunOpenWithHelper(argc, argv)) return 0;
  vb::InstallQtMessageBoxes();
  common::SetOpenWithHelper(vb::StartOpenWithHelper);
  TopicsSite site;
  site.site_root = SiteRootOf(vb::ProgramFolderOfExecutable());
  if (auto refusal = StartTopics(variant, site)) {
    vb::MsgBox(refusal->text, vb::vbCritical, refusal->title);
    return 1;
  }
  int result = 0;
  vb::GuardEvent([&] {
    TopicsWindow window(variant, std::move(site));
    window.show();
    result = app.exec();
  });
  return result;
}

}  // namespace topics
