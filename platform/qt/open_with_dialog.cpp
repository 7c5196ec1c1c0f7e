#include "platform/qt/open_with_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/shell.h"

namespace vb {

void ChooseProgramAndOpen(const std::string& native_file) {
  const QString file = QString::fromStdString(native_file);
  QFileDialog dialog(nullptr, QStringLiteral("Open With - %1").arg(QFileInfo(file).fileName()),
                     QStringLiteral("/usr/bin"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  StartDetached(dialog.selectedFiles().front().toStdString(), {native_file});
}

}  // namespace vb
