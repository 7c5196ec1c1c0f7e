#include "tasks/ui/submitter_form1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/bulletin_startup.h"
#include "platform/msgbox.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/vb_error.h"
#include "tasks/local_address.h"
#include "tasks/submit_rules.h"
#include "tasks/task_lists.h"
#include "tasks/task_page.h"
#include "tasks/task_store.h"
#include "tasks/ui/task_widgets.h"

namespace tasks::submitter {

namespace {

std::string TextOf(const QLineEdit* box) { return vb::FromQt(box->text()); }

}  // namespace

Form1::Form1(const std::string& program_folder, QWidget* parent)
    : QWidget(parent), program_folder_(program_folder) {
  setObjectName("Form1");
  setWindowTitle("Orvane Jobline: Submit a Task Request");
  MakeControls();
  LayOutControls();
  vb::FitTextSizes(this);
  ConnectEvents();
}

void Form1::MakeControls() {
  Picture1 = Logo(this);
  Label2 = Named(new QLabel("Subject for this Request:", this), "Label2");
  Text1 = Named(new QLineEdit(this), "Text1");
  vb::LimitTyping(Text1, 50);
  Label8 = Named(new QLabel("Location:", this), "Label8");
  Combo1 = ListCombo("Combo1", [this] { vb::RunEvent(this, [this] { UpdateSubmitButton(); }); }, this);
  Label9 = Named(new QLabel("Problem with:", this), "Label9");
  Combo2 = ListCombo("Combo2", [this] { vb::RunEvent(this, [this] { UpdateSubmitButton(); }); }, this);
  Label4 = Named(new QLabel("Comprehensive Description of Problem/Request:", this), "Label4");
  Text2 = Named(new vb::MultiLineTextBox(1000, this), "Text2");
  Label3 = Named(new QLabel("Submitted by:", this), "Label3");
  Text3 = Named(new QLineEdit(this), "Text3");
  vb::LimitTyping(Text3, 25);
  Label5 = Named(new QLabel("Date submitted:", this), "Label5");
  Label6 = Named(new QLabel("DD/MM/YY", this), "Label6");
  QFont bold = Label6->font();
  bold.setBold(true);
  Label6->setFont(bold);
  Label7 = Named(new QLabel(
                     "To submit a task request, all five boxes must be completed.  There is a 1000 "
                     "character limit on the large task item box.  One URL to link to can be included by "
                     "typing in the full URL including the http:// or file://",
                     this),
                 "Label7");
  Label2->setBuddy(Text1);
  Label8->setBuddy(Combo1);
  Label9->setBuddy(Combo2);
  // A buddy label names a text box for screen readers, not a combo box.
  vb::NameForScreenReaders(Combo1, Label8->text());
  vb::NameForScreenReaders(Combo2, Label9->text());
  Label4->setBuddy(Text2);
  Label3->setBuddy(Text3);
  Label7->setAlignment(Qt::AlignCenter);
  Label7->setWordWrap(true);
  Command3 = Named(new QPushButton("&Clear Form", this), "Command3");
  Command2 = Named(new QPushButton("&Submit this Task!", this), "Command2");
  Command2->setEnabled(false);
  Command1 = Named(new QPushButton("&Quit", this), "Command1");
}

void Form1::LayOutControls() {
  auto* lists = new QGridLayout;
  lists->addWidget(Label8, 0, 0);
  lists->addWidget(Combo1, 0, 1);
  lists->addWidget(Label9, 1, 0);
  lists->addWidget(Combo2, 1, 1);
  lists->setColumnStretch(1, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(Picture1, 0, Qt::AlignTop);
  top->addLayout(lists, 1);
  auto* name_and_date = new QHBoxLayout;
  name_and_date->addWidget(Label3);
  name_and_date->addWidget(Text3, 1);
  name_and_date->addSpacing(12);
  name_and_date->addWidget(Label5);
  name_and_date->addWidget(Label6);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command3);
  buttons->addStretch(1);
  buttons->addWidget(Command2);
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Label2);
  layout->addWidget(Text1);
  layout->addWidget(Label4);
  layout->addWidget(Text2, 1);
  layout->addLayout(name_and_date);
  layout->addWidget(Label7);
  layout->addLayout(buttons);
  resize(560, 520);
}

void Form1::ConnectEvents() {
  const auto update = [this] { vb::RunEvent(this, [this] { UpdateSubmitButton(); }); };
  connect(Text1, &QLineEdit::textChanged, this, update);
  connect(Text2, &QPlainTextEdit::textChanged, this, update);
  connect(Text3, &QLineEdit::textChanged, this, update);
  connect(Command1, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form1::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form1::Command2_Click));
  connect(Command3, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form1::Command3_Click));
}

void Form1::Form_Load() {
  LocalAddress = tasks::LocalAddress();
  TodayDateText = common::TodayDateText();
  ToolFolder = common::ToolFolderOf(program_folder_, true);
  common::CheckFolderWriteAccess(common::kTaskSubmitterTool, ToolFolder);
  try {
    RestoreTaskStore(ToolFolder);
    AddListEntries(Combo1, ReadSiteList(ToolFolder));
    AddListEntries(Combo2, ReadCategoryList(ToolFolder));
  } catch (const vb::Error& error) {
    common::StartupAccessHandler(common::kTaskSubmitterTool, error);
  }
  show();
  ClearTaskForm();
}

void Form1::ClearTaskForm() {
  Text1->clear();
  Text2->clear();
  Text3->clear();
  SetListText(Combo1, std::string(kSelectOne));
  SetListText(Combo2, std::string(kSelectOne));
  Label6->setText(vb::ToQt(TodayDateText));
  Command2->setEnabled(false);
  Text1->setFocus();
}

void Form1::UpdateSubmitButton() {
  Command2->setEnabled(SubmitAllowed(TextOf(Text1), Text2->Text(), TextOf(Text3), ListText(Combo1),
                                     ListText(Combo2)));
}

void Form1::WarnBadLanguage() {
  vb::MsgBox(
      "That kind of language is not the type of thing we want to include on our helpdesk request pages "
      "thankyouverymuch.  Now you'll have to type it all again without the swearing.",
      vb::vbExclamation, "Whoops!");
}

void Form1::Command1_Click() {
  if (TaskSubmitted) WriteTaskPage(ToolFolder);
  vb::End();
}

void Form1::Command2_Click() {
  if (HasBadLanguage(TextOf(Text1), Text2->Text(), TextOf(Text3))) {
    WarnBadLanguage();
    ClearTaskForm();
    return;
  }
  if (vb::MsgBox("Are you sure you'd like to submit this task request as it is?", vb::vbYesNo,
                 "Please verify") != vb::vbYes) {
    return;
  }
  try {
    AppendTaskRecord(ToolFolder, {TextOf(Text1), Text2->Text(), TextOf(Text3), TodayDateText, LocalAddress,
                                  ListText(Combo1), ListText(Combo2)});
  } catch (const vb::Error& error) {
    // Nothing was stored: the form keeps what was typed for another try.
    vb::MsgBox("Your task request could not be saved (Error Code: " + std::to_string(error.number()) +
                   ").  Please try again later.",
               vb::vbCritical, "Sorry");
    return;
  }
  vb::MsgBox("Your task request has been submitted.  It will be attended to as soon as possible.  Thank you.",
             vb::vbInformation, "Success!");
  ClearTaskForm();
  TaskSubmitted = true;
}

void Form1::Command3_Click() { ClearTaskForm(); }

}  // namespace tasks::submitter
