#include "tasks/ui/manager_form4.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/bulletin_startup.h"
#include "platform/msgbox.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "tasks/ui/task_widgets.h"

namespace tasks::manager {

namespace {

// A caption above its box, in a row of the group.
QLineEdit* Field(QGroupBox* group, QHBoxLayout* row, const char* caption, const char* name, int stretch,
                 const char* tip = nullptr) {
  auto* box = Named(new QLineEdit(group), name);
  auto* label = new QLabel(caption, group);
  label->setBuddy(box);
  if (tip != nullptr) label->setToolTip(tip);
  auto* cell = new QVBoxLayout;
  cell->addWidget(label);
  cell->addWidget(box);
  row->addLayout(cell, stretch);
  return box;
}

}  // namespace

Form4::Form4(TaskMailSettings& settings, std::string tool_folder, QWidget* parent)
    : QDialog(parent), settings_(settings), tool_folder_(std::move(tool_folder)) {
  setObjectName("Form4");
  setWindowTitle("Jobline eMail Preferences");
  MakeFields();
  MakeButtons();
  resize(600, 400);
  vb::FitTextSizes(this);

  const auto guarded = [this](void (Form4::*handler)()) {
    return vb::GuardedEvent(this, handler);
  };
  connect(Command1, &QPushButton::clicked, this, guarded(&Form4::SaveMailSettings));
  connect(Command2, &QPushButton::clicked, this, guarded(&Form4::CancelMailSettings));
}

// The two groups of boxes; boxes are made in the settings' order, which is
// their tab order.
void Form4::MakeFields() {
  Frame1 = Named(new QGroupBox("Your Contact Details:", this), "Frame1");
  Frame2 = Named(new QGroupBox("eMail Recipient and SMTP Settings:", this), "Frame2");
  auto* contact = new QVBoxLayout(Frame1);
  QHBoxLayout* rows[4];
  for (QHBoxLayout*& row : rows) contact->addLayout(row = new QHBoxLayout);
  Text1 = Field(Frame1, rows[0], "Your School Name:", "Text1", 3);
  Text2 = Field(Frame1, rows[0], "School Code:", "Text2", 1);
  Text3 = Field(Frame1, rows[1], "Your Name (contact person):", "Text3", 1);
  Text4 = Field(Frame1, rows[1], "Your eMail Address:", "Text4", 1);
  Text5 = Field(Frame1, rows[2], "School Phone Number:", "Text5", 1);
  Text6 = Field(Frame1, rows[2], "Your Mobile Number (optional):", "Text6", 1);
  Text7 = Field(Frame1, rows[3], "Comments on your availability for a Return Call:", "Text7", 1);
  auto* recipient = new QHBoxLayout(Frame2);
  Text8 = Field(Frame2, recipient, "Recipient's eMail Address:", "Text8", 1, "for example helpdesk@example.org");
  Text9 = Field(Frame2, recipient, "SMTP Server:", "Text9", 1, "for example mail.example.org");
}

// Save and Cancel beside the help text, under the two groups.
void Form4::MakeButtons() {
  Command1 = Named(new QPushButton("&Save", this), "Command1");
  QFont bold = Command1->font();
  bold.setBold(true);
  Command1->setFont(bold);
  Command2 = Named(new QPushButton("&Cancel", this), "Command2");
  // No default button: Enter in a box saves nothing. Esc cancels.
  Command1->setAutoDefault(false);
  Command2->setAutoDefault(false);
  Label10 = Named(new QLabel(
      "These settings are used to automatically send Jobline requests to an eMail address such as a Help Desk "
      "or to other support staff.  Your details at the top are important so the recipient knows who you are, "
      "where you are from and how to best contact you.  The eMail settings allow you to customise the "
      "recipient and the SMTP server used.", this), "Label10");
  Label10->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label10, 1);
  buttons->addWidget(Command1, 0, Qt::AlignTop);
  buttons->addWidget(Command2, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addWidget(Frame2);
  layout->addLayout(buttons);
}

std::array<QLineEdit*, 9> Form4::Boxes() const {
  return {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9};
}

void Form4::Fill() {
  const auto settings = SettingsInOrder(settings_);
  const auto boxes = Boxes();
  for (size_t k = 0; k < boxes.size(); ++k) boxes[k]->setText(vb::ToQt(*settings[k]));
}

void Form4::SaveMailSettings() {
  TaskMailSettings typed;
  const auto values = SettingsInOrder(typed);
  const auto boxes = Boxes();
  for (size_t k = 0; k < boxes.size(); ++k) *values[k] = vb::Trim(vb::FromQt(boxes[k]->text()));
  // The file has no way to hold a quote inside a value.
  for (const std::string* value : values) {
    if (value->find('"') != std::string::npos) {
      vb::MsgBox("A setting cannot contain a double quote (\").  Please remove it and save again.",
                 vb::vbExclamation, "eMail Preferences");
      return;
    }
  }
  try {
    SaveTaskSettings(tool_folder_, typed);
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected while saving the eMail preferences."),
               vb::vbCritical);
    return;
  }
  settings_ = typed;
  accept();
}

void Form4::CancelMailSettings() { reject(); }

}  // namespace tasks::manager
