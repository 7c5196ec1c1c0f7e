#include "platform/qt/open_with_dialog.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/desktop_apps.h"
#include "platform/native_paths.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/event_gate.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/shell.h"

namespace vb {

namespace {

const QString kOtherProgram = QString::fromUtf8("Other program\u2026");

}  // namespace

void StartOpenWithHelper(const std::string& native_file, const std::string& kept_copy) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return;
  std::vector<std::string> args{kOpenWithOption, native_file};
  if (!kept_copy.empty()) args.push_back(kept_copy);
  StartDetached(self.string(), args);
}

bool RunOpenWithHelper(int argc, char** argv) {
  if ((argc != 3 && argc != 4) || std::string_view(argv[1]) != kOpenWithOption) return false;
  OpenOrOfferChoice(argv[2], kOpenVerdict, argc == 4 ? argv[3] : "");
  return true;
}

void OpenOrOfferChoice(const std::string& native_file, std::chrono::milliseconds verdict,
                       const std::string& kept_copy) {
  // The opener is given the file itself, even when a copy is kept.
  if (StartAndAwaitVerdict(OpenCommand(), {native_file}, verdict)) return;
  // A file that is not there, and has no copy, opens nothing and asks nothing.
  if (!NativeExists(native_file) && (kept_copy.empty() || !NativeExists(kept_copy))) return;
  OpenWithDialog dialog(native_file, verdict, kept_copy);
  // Not modal: the choice hides while a program it started has its verdict.
  QEventLoop until_closed;
  QObject::connect(&dialog, &QDialog::finished, &until_closed, &QEventLoop::quit);
  dialog.show();
  until_closed.exec();
}

OpenWithDialog::OpenWithDialog(const std::string& native_file, std::chrono::milliseconds verdict,
                               const std::string& kept_copy)
    : file_(native_file), kept_copy_(kept_copy), verdict_(verdict) {
  setWindowTitle(QStringLiteral("Open With"));
  auto* label = new QLabel(QStringLiteral("Choose the program to open this file with:"), this);
  // The whole path, so that the file can be found and opened by hand.
  Path = new QLabel(QString::fromStdString(native_file), this);
  Path->setTextFormat(Qt::PlainText);
  Path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  FollowCopyIfGone();
  Failure = new QLabel(this);
  Failure->setTextFormat(Qt::PlainText);
  Failure->hide();

  List = new QListWidget(this);
  NameForScreenReaders(List, label->text());
  for (const DesktopApp& app : AppsForFile(file_)) {
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
  layout->addWidget(Failure);
  layout->addWidget(List);
  layout->addLayout(buttons);
  FitTextSizes(this);

  const auto event = [this](void (OpenWithDialog::*handler)()) { return GuardedEvent(this, handler); };
  connect(OpenButton, &QPushButton::clicked, this, event(&OpenWithDialog::OpenChosen));
  connect(List, &QListWidget::itemActivated, this, event(&OpenWithDialog::OpenChosen));
  connect(CancelButton, &QPushButton::clicked, this, event(&OpenWithDialog::Cancel));
}

void OpenWithDialog::Cancel() { reject(); }

// The application chosen, or a program browsed for, is started on the file
// and awaited.
void OpenWithDialog::OpenChosen() {
  const int row = List->currentRow();
  if (row < 0) return;
  // The caller may have deleted the file since the window came up.
  FollowCopyIfGone();
  if (row < apps_) {
    AwaitStart(List->item(row)->text().toStdString(),
               StartApp(List->item(row)->data(Qt::UserRole).toString().toStdString(), file_));
    return;
  }
  QFileDialog browse(this, QStringLiteral("Other program"), QStringLiteral("/usr/bin"));
  browse.setFileMode(QFileDialog::ExistingFile);
  browse.setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
  if (browse.exec() != QDialog::Accepted || browse.selectedFiles().isEmpty()) return;
  const std::string program = browse.selectedFiles().front().toStdString();
  AwaitStart(std::filesystem::path(program).filename().string(), StartForVerdict(program, {file_}));
}

void OpenWithDialog::FollowCopyIfGone() {
  if (kept_copy_.empty() || NativeExists(file_) || !NativeExists(kept_copy_)) return;
  file_ = std::exchange(kept_copy_, {});
  Path->setText(QString::fromStdString(file_));
}

void OpenWithDialog::AwaitStart(const std::string& name, int pid) {
  if (pid > 0) hide();
  // Hidden, the window still answers its desktop while it waits, but no
  // handler starts meanwhile. Started without a process of its own, the
  // program is taken as started.
  if (pid == 0 || (pid > 0 && AwaitVerdict(pid, verdict_, [] { HandlePendingEvents(); }))) {
    accept();
    return;
  }
  Failure->setText(QString::fromStdString(name + " could not open this file."));
  Failure->show();
  show();
}

}  // namespace vb
