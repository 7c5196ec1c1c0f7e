#include "subjects/ui/form3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/msgbox.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "subjects/core/refresh_groups.h"
#include "subjects/core/subject_groups.h"

namespace subjects {

namespace {

const char kInstructions[] =
    "INSTRUCTIONS:  You can set a max. of 12 subject groupings with a minimum of 2. Folders will "
    "be created in each student's folder with the names shown at the right together with "
    "separate webpages for each. Specify the number of Topic Pages to be created in each subject "
    "group.  The recommended number of topic pages is 4 to 6 (keep this even).  Maximum topic "
    "pages is 12 and these will be replicated in each subject group. NOTE: ALL students will "
    "have THIS selected structure created.";

const std::array<const char*, 13> kDesignNames = {
    "",        "English", "Mathematics", "Science", "History", "Geography", "PDHPE",
    "LOTE",    "Visual Arts", "Music",   "TAS",     "",        ""};

QLabel* ColouredLabel(const QString& text, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

Form3::Form3(std::function<void()> enable_install2)
    : enable_install2_(std::move(enable_install2)) {
  setWindowTitle("Orvane High School Layout Options");
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  setPalette(palette);

  const QColor white(0xFF, 0xFF, 0xFF), light_cyan(0xC0, 0xFF, 0xFF);
  Label14 = ColouredLabel(kInstructions, light_cyan, this);
  Label14->setWordWrap(true);
  QGridLayout* rows = MakeGroupRows();

  Label15 = ColouredLabel("Number of Topic Pages to be created in each subject group:", white, this);
  Text13 = new QLineEdit(this);
  Text13->setAlignment(Qt::AlignCenter);
  Text13->setFixedWidth(40);
  Label15->setBuddy(Text13);  // the box takes the label's text as its name
  vb::LimitTyping(Text13, 2);
  Command1 = new QPushButton("&Refresh", this);
  Command1->setToolTip("Click to refresh Folder structure...");

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Label15);
  bottom->addWidget(Text13);
  bottom->addStretch();
  bottom->addWidget(Command1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label14);
  layout->addSpacing(8);
  layout->addLayout(rows);
  layout->addSpacing(8);
  layout->addLayout(bottom);
  resize(480, heightForWidth(480));
  vb::FitTextSizes(this);

  ShowDesignValues();
  connect(Command1, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form3::Command1_Click));
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          [this](QWindow* now) { FocusWindowChanged(now); });
}

// The column captions and the twelve rows of a name box beside its folder.
QGridLayout* Form3::MakeGroupRows() {
  const QColor white(0xFF, 0xFF, 0xFF), pale_yellow(0xFF, 0xFF, 0xC0);
  Label17 = ColouredLabel("Subject Groupings:", white, this);
  Label13 = ColouredLabel("Orvane Folders:", white, this);

  auto* rows = new QGridLayout;
  rows->addWidget(Label17, 0, 0);
  rows->addWidget(Label13, 0, 1);
  for (int k = 1; k <= 12; ++k) {
    name_boxes_[k] = new QLineEdit(this);
    vb::NameForScreenReaders(name_boxes_[k], QString("Subject grouping %1").arg(k));
    folder_labels_[k] = ColouredLabel("", pale_yellow, this);
    folder_labels_[k]->setMinimumWidth(120);
    rows->addWidget(name_boxes_[k], k, 0);
    rows->addWidget(folder_labels_[k], k, 1);
  }
  rows->setColumnStretch(0, 3);
  rows->setColumnStretch(1, 2);
  Text1 = name_boxes_[1]; Text2 = name_boxes_[2]; Text3 = name_boxes_[3];
  Text4 = name_boxes_[4]; Text5 = name_boxes_[5]; Text6 = name_boxes_[6];
  Text7 = name_boxes_[7]; Text8 = name_boxes_[8]; Text9 = name_boxes_[9];
  Text10 = name_boxes_[10]; Text11 = name_boxes_[11]; Text12 = name_boxes_[12];
  Label1 = folder_labels_[1]; Label2 = folder_labels_[2]; Label3 = folder_labels_[3];
  Label4 = folder_labels_[4]; Label5 = folder_labels_[5]; Label6 = folder_labels_[6];
  Label7 = folder_labels_[7]; Label8 = folder_labels_[8]; Label9 = folder_labels_[9];
  Label10 = folder_labels_[10]; Label11 = folder_labels_[11]; Label12 = folder_labels_[12];
  return rows;
}

void Form3::ShowDesignValues() {
  for (int k = 1; k <= 12; ++k) {
    name_boxes_[k]->setText(kDesignNames[k]);
    folder_labels_[k]->clear();
  }
  Text13->setText("4");
}

void Form3::RefreshSubjectGroups() {
  refreshing_ = true;
  std::array<std::string, 13> boxes;
  for (int k = 1; k <= 12; ++k) boxes[k] = vb::FromQt(name_boxes_[k]->text());
  const RefreshOutcome outcome = RefreshGroups(boxes, vb::FromQt(Text13->text()), Groups());
  for (int k = 1; k <= 12; ++k) folder_labels_[k]->setText(vb::ToQt(outcome.labels[k]));
  if (!outcome.problem.empty()) {
    vb::MsgBox(outcome.problem, vb::vbCritical, "Problem:");
  } else {
    Text13->setText(vb::ToQt(outcome.topic_box));
    for (int k = 1; k <= 12; ++k) {
      name_boxes_[k]->setText(vb::ToQt(outcome.boxes[k]));
      folder_labels_[k]->setText(vb::ToQt(outcome.labels[k]));
    }
  }
  vb::RepaintNow(this);
  refreshing_ = false;
  EnableInstall2();
}

void Form3::Command1_Click() { RefreshSubjectGroups(); }

void Form3::Form_Deactivate() { RefreshSubjectGroups(); }

void Form3::EnableInstall2() {
  if (enable_install2_) enable_install2_();
}

// The refresh on leaving runs only when the user moves from this window to
// another window of the builder: not to another program, not to a message
// box, not to a box's own menu, and never inside a refresh already running.
void Form3::FocusWindowChanged(QWindow* now) {
  if (now == nullptr || now->type() == Qt::Popup || now->type() == Qt::ToolTip) return;
  if (now == windowHandle()) {
    active_ = true;
    return;
  }
  QWidget* window = nullptr;
  for (QWidget* candidate : QApplication::topLevelWidgets()) {
    if (candidate->windowHandle() == now) window = candidate;
  }
  if (window == nullptr || qobject_cast<QMessageBox*>(window) != nullptr) return;
  if (!active_ || refreshing_) return;
  active_ = false;
  vb::RunEvent(this, [this] { Form_Deactivate(); });
}

// Closed, the window is unloaded: it comes back with its design values, and
// the subject groups keep what the last refresh left.
void Form3::closeEvent(QCloseEvent* event) {
  active_ = false;
  ShowDesignValues();
  event->accept();
}

void Form3::hideEvent(QHideEvent* event) {
  active_ = false;
  QWidget::hideEvent(event);
}

}  // namespace subjects
