#include "news/ui/form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"

namespace news {

namespace {

template <typename T>
T* Named(T* widget, const char* name, QRect geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

void MakeBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

QLabel* Shaded(QLabel* label, QColor background, QColor text) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

// The tool's logo: a folded news sheet, drawn rather than shipped.
QPixmap NewsLogo() {
  QPixmap logo(56, 56);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
  p.setBrush(Qt::white);
  p.drawRect(6, 8, 44, 40);
  p.setBrush(QColor(0x33, 0x66, 0x99));
  p.drawRect(11, 13, 34, 9);
  p.setPen(QPen(QColor(0x66, 0x66, 0x66), 2));
  for (int y = 28; y <= 42; y += 5) p.drawLine(11, y, 45, y);
  return logo;
}

constexpr const char* kApproveCaption = "Approve this Item";
constexpr const char* kCreatePageCaption = "Create News Page!";

}  // namespace

Form1::Form1(std::string tool_folder, QWidget* parent) : QWidget(parent), editor_(std::move(tool_folder)) {
  setObjectName("Form1");
  setWindowTitle("Orvane News Page Generator");
  setFixedSize(568, 349);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 128));
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  MakeControls();
  vb::FitTextSizes(this);
  ConnectEvents();
}

void Form1::MakeControls() {
  auto* logo = Named(new QLabel(this), "Image1", {8, 8, 56, 56});
  logo->setPixmap(NewsLogo());
  auto* credit = Named(new QLabel("Orvane", this), "Label1", {8, 64, 56, 14});
  credit->setAlignment(Qt::AlignCenter);
  credit->setFont(QFont(credit->font().family(), 7));

  Label2 = Named(new QLabel("News Item Title:", this), "Label2", {76, 12, 200, 18});
  Text1 = Named(new QLineEdit(this), "Text1", {76, 32, 484, 26});
  Label2->setBuddy(Text1);  // the box takes the label's text as its name
  MakeBold(Text1);
  vb::LimitTyping(Text1, 50);

  Label4 = Named(new QLabel("News Item Text:", this), "Label4", {8, 80, 552, 18});
  Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Text2 = Named(new vb::MultiLineTextBox(1000, this), "Text2", {8, 100, 552, 134});
  Label4->setBuddy(Text2);

  Check1 = Named(new QCheckBox("This item is approved for Publication", this), "Check1", {8, 244, 282, 22});
  MakeBold(Check1);
  Label3 = Named(new QLabel("Submitted by:", this), "Label3", {294, 240, 132, 18});
  Text3 = Named(new QLineEdit(this), "Text3", {294, 260, 132, 26});
  Label3->setBuddy(Text3);
  MakeBold(Text3);
  vb::LimitTyping(Text3, 25);
  Label5 = Named(new QLabel("Date submitted:", this), "Label5", {432, 240, 128, 18});
  Label6 = Named(Shaded(new QLabel("dd/mm/yy", this), QColor(255, 255, 192), Qt::black), "Label6",
                 {432, 260, 128, 22});
  Label9 = Named(new QLabel("From:", this), "Label9", {432, 286, 40, 22});
  Label10 = Named(Shaded(new QLabel("IP Address", this), QColor(255, 255, 192), Qt::black), "Label10",
                  {472, 286, 88, 22});
  for (QWidget* label : {Label6, Label10}) MakeBold(label);

  Command3 = Named(new QPushButton("Delete this Item", this), "Command3", {8, 314, 104, 28});
  Label8 = Named(new QLabel("All Submitted News Items:", this), "Label8", {118, 294, 232, 18});
  Label8->setAlignment(Qt::AlignCenter);
  Command4 = Named(new QPushButton("First", this), "Command4", {118, 314, 46, 28});
  // Arrows that the usual fonts of a Linux desktop have.
  Command6 = Named(new QPushButton(QString::fromUtf8("\u2190"), this), "Command6", {166, 314, 32, 28});
  Label7 = Named(Shaded(new QLabel("1 of 1", this), QColor(0, 0, 192), Qt::white), "Label7",
                 {200, 314, 68, 28});
  Label7->setAlignment(Qt::AlignCenter);
  Command7 = Named(new QPushButton(QString::fromUtf8("\u2192"), this), "Command7", {270, 314, 32, 28});
  Command5 = Named(new QPushButton("Last", this), "Command5", {304, 314, 46, 28});
  Command2 = Named(new QPushButton(kCreatePageCaption, this), "Command2", {358, 314, 128, 28});
  Command1 = Named(new QPushButton("&Quit", this), "Command1", {490, 314, 70, 28});
}

void Form1::ConnectEvents() {
  auto guarded = [this](void (Form1::*handler)()) {
    return vb::GuardedEvent(this, handler);
  };
  connect(Command1, &QPushButton::clicked, this, guarded(&Form1::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, guarded(&Form1::Command2_Click));
  connect(Command3, &QPushButton::clicked, this, guarded(&Form1::Command3_Click));
  connect(Command4, &QPushButton::clicked, this, guarded(&Form1::Command4_Click));
  connect(Command5, &QPushButton::clicked, this, guarded(&Form1::Command5_Click));
  connect(Command6, &QPushButton::clicked, this, guarded(&Form1::Command6_Click));
  connect(Command7, &QPushButton::clicked, this, guarded(&Form1::Command7_Click));
}

void Form1::Form_Load() {
  editor_.Start();
  ShowEditorState();
}

void Form1::ShowEditorState() {
  const bool browsing = editor_.mode() == Mode::kBrowsing;
  for (QWidget* control : std::initializer_list<QWidget*>{Check1, Label8, Label7, Command4, Command5,
                                                          Command6, Command7}) {
    control->setVisible(browsing);
  }
  Command2->setText(browsing ? kCreatePageCaption : kApproveCaption);
  const common::NewsItem& item = editor_.shown();
  Text1->setText(vb::ToQt(item.title));
  Text2->SetText(item.body);
  Text3->setText(vb::ToQt(item.submitted_by));
  Label6->setText(vb::ToQt(item.date_text));
  Label10->setText(vb::ToQt(item.ip_address));
  Check1->setCheckState(item.status == '1' ? Qt::Checked : Qt::Unchecked);
  if (browsing) Label7->setText(vb::ToQt(editor_.PositionText()));
}

ItemEdits Form1::Edits() const {
  return {vb::FromQt(Text1->text()), Text2->Text(), vb::FromQt(Text3->text()),
          Check1->checkState() == Qt::Checked};
}

void Form1::Command1_Click() { editor_.Quit(Edits()); }

void Form1::Command2_Click() {
  if (Command2->text() == kApproveCaption) {
    editor_.ApproveItem(Edits());
    ShowEditorState();
  } else if (Command2->text() == kCreatePageCaption) {
    editor_.CreatePage(Edits());
  }
}

void Form1::Command3_Click() {
  if (editor_.DeleteItem()) ShowEditorState();
}

void Form1::Command4_Click() { Move(&NewsEditor::ShowNewest); }
void Form1::Command5_Click() { Move(&NewsEditor::ShowOldest); }
void Form1::Command6_Click() { Move(&NewsEditor::ShowNewer); }
void Form1::Command7_Click() { Move(&NewsEditor::ShowOlder); }

void Form1::Move(void (NewsEditor::*step)(const ItemEdits&)) {
  (editor_.*step)(Edits());
  ShowEditorState();
}

}  // namespace news
