#include "platform/qt/open_with_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/desktop_apps.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/shell.h"

namespace vb {

namespace {

const QString kOtherProgram = QString::fromUtf8("Other program\u2026");

}  // namespace

void StartOpenWithChooser(const std::string& native_file) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) StartDetached(self.string(), {kOpenWithOption, native_file});
}

bool RunOpenWithChooser(int argc, char** argv) {
  if (argc != 3 || std::string_view(argv[1]) != kOpenWithOption) return false;
  OpenWithDialog dialog(argv[2]);
  dialog.exec();
  return true;
}

OpenWithDialog::OpenWithDialog(const std::string& native_file) : file_(native_file) {
  const QString file = QString::fromStdString(native_file);
  setWindowTitle(QStringLiteral("Open With"));
  auto* label = new QLabel(QStringLiteral("Choose the program to open this file with:"), this);
  // The whole path, so that the file can be found and opened by hand.
  Path = new QLabel(file, this);
  Path->setTextFormat(Qt::PlainText);
  Path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  List = new QListWidget(this);
  for (const DesktopApp& app : AppsForFile(native_file)) {
    List->addItem(QString::fromStdString(app.name));
    List->item(apps_++)->setData(Qt::UserRole, QString::fromStdString(app.id));
  }
  List->addItem(kOtherProgram);
  List->setCurrentRow(0);

  OpenButton = new QPushButton(QStringLiteral("Open"), this);
  OpenButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OpenButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(Path);
  layout->addWidget(List);
  layout->addLayout(buttons);
  FitTextHeights(this);

  const auto event = [this](void (OpenWithDialog::*handler)()) { return GuardedEvent(this, handler); };
  connect(OpenButton, &QPushButton::clicked, this, event(&OpenWithDialog::OpenChosen));
  connect(List, &QListWidget::itemActivated, this, event(&OpenWithDialog::OpenChosen));
  connect(CancelButton, &QPushButton::clicked, this, event(&OpenWithDialog::Cancel));
}

void OpenWithDialog::Cancel() { reject(); }

// The application chosen, or a program browsed for, is started on the file;
// what it does then is not reported.
void OpenWithDialog::OpenChosen() {
  const int row = List->currentRow();
  if (row < 0) return;
  if (row < apps_) {
    StartApp(List->item(row)->data(Qt::UserRole).toString().toStdString(), file_);
    accept();
    return;
  }
  QFileDialog browse(this, QStringLiteral("Other program"), QStringLiteral("/usr/bin"));
  browse.setFileMode(QFileDialog::ExistingFile);
  browse.setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
  if (browse.exec() != QDialog::Accepted || browse.selectedFiles().isEmpty()) return;
  StartDetached(browse.selectedFiles().front().toStdString(), {file_});
  accept();
}

}  // namespace vb
