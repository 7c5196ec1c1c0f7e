#include <QApplication>
#include <QEvent>
#include <QMetaObject>

#include "builder/install/build_driver.h"
#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "subjects/ui/form3.h"

namespace builder {

namespace {

// The end of a build as the main window carries it out.
class MainWindowEnd : public InstallWindow {
 public:
  explicit MainWindowEnd(Form1& form) : form_(form) {}
  void UnloadSubjectGroupsWindow() override { form_.GroupsForm().close(); }
  void HideMainWindow() override { form_.hide(); }
  void PostClose() override {
    QMetaObject::invokeMethod(
        &form_, [form = &form_] {
          form->close();
          QApplication::quit();
        },
        Qt::QueuedConnection);
  }

 private:
  Form1& form_;
};

// Ignores close requests to the main window while a build runs.
class CloseBlocker : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
    event->ignore();
    return true;
  }
};

}  // namespace

// Install: builds the site; the window takes no input until the build ends.
void Form1::Command1_Click() {
  MainWindowEnd end(*this);
  CloseBlocker blocker;
  installEventFilter(&blocker);
  setEnabled(false);
  struct Restore {
    Form1* form;
    CloseBlocker* blocker;
    ~Restore() {
      form->removeEventFilter(blocker);
      form->setEnabled(true);
    }
  } restore{this, &blocker};
  // Each class's line is painted as the class begins, however soon after
  // the last one.
  builder::Command1_Click(context_, *this, *form2_, end);
}

}  // namespace builder
