#include "tasks/ui/manager_form3.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "tasks/ui/task_widgets.h"

namespace tasks::manager {

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form3");
  setWindowTitle("eMail Status");
  lstStatus = Named(new QListWidget(this), "lstStatus");
  lstStatus->setAccessibleName("eMail Status");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstStatus);
  resize(600, 260);
  vb::FitTextSizes(this);
}

void Form3::AddStatusLine(const std::string& text1252) {
  lstStatus->addItem(vb::ToQt(text1252));
  lstStatus->setCurrentRow(lstStatus->count() - 1);
  lstStatus->scrollToItem(lstStatus->currentItem());
  lstStatus->clearSelection();
}

}  // namespace tasks::manager
