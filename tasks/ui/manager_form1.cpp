#include "tasks/ui/manager_form1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/bulletin_startup.h"
#include "platform/msgbox.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "tasks/task_lists.h"
#include "tasks/task_mail.h"
#include "tasks/task_page.h"
#include "tasks/task_record.h"
#include "tasks/ui/manager_form4.h"
#include "tasks/ui/task_widgets.h"

namespace tasks::manager {

namespace {

std::string TextOf(const QLineEdit* box) { return vb::FromQt(box->text()); }
std::string TextOf(const QLabel* label) { return vb::FromQt(label->text()); }

// The hourglass for as long as it lives, however the work ends.
class Hourglass {
 public:
  Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Hourglass() { QApplication::restoreOverrideCursor(); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace

Form1::Form1(const std::string& program_folder, QWidget* parent)
    : QMainWindow(parent), program_folder_(program_folder) {
  setObjectName("Form1");
  setWindowTitle("Orvane Jobline Manager v3.1");
  MakeControls();
  MakeMenu();
  vb::FitTextSizes(this);
  ConnectEvents();
}

void Form1::MakeControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  MakeTaskBoxes(central);
  QWidget* views = MakeStateControls(central);
  MakeBrowsingControls(central);
  LayOutControls(central, views);
}

// The logo and the task's own boxes and labels.
void Form1::MakeTaskBoxes(QWidget* central) {
  Picture1 = Logo(central);
  Text1 = Named(new QLineEdit(central), "Text1");
  vb::LimitTyping(Text1, 50);
  Text2 = Named(new vb::MultiLineTextBox(1000, central), "Text2");
  Text3 = Named(new QLineEdit(central), "Text3");
  vb::LimitTyping(Text3, 25);
  Label6 = Named(new QLabel("dd/mm/yy", central), "Label6");
  Label10 = Named(new QLabel("IP Address", central), "Label10");
  Combo1 = ListCombo("Combo1", [] {}, central);
  Combo2 = ListCombo("Combo2", [] {}, central);
}

// The priority, the completion box and the choice of view; returns the
// panel of the two views.
QWidget* Form1::MakeStateControls(QWidget* central) {
  Frame1 = Named(new QGroupBox("Task Priority Set by Administrator:", central), "Frame1");
  Option3 = Named(new QRadioButton("Not Set", Frame1), "Option3");
  Option4 = Named(new QRadioButton("Low", Frame1), "Option4");
  Option5 = Named(new QRadioButton("Medium", Frame1), "Option5");
  Option6 = Named(new QRadioButton("HIGH", Frame1), "Option6");
  priority_group_ = new QButtonGroup(Frame1);
  auto* priorities = new QHBoxLayout(Frame1);
  int priority = 0;  // the option's id is the priority it stands for
  for (QRadioButton* option : {Option3, Option4, Option5, Option6}) {
    priority_group_->addButton(option, priority++);
    priorities->addWidget(option);
  }

  Check1 = Named(new QCheckBox("This task is Incomplete", central), "Check1");
  auto* views = new QWidget(central);
  Option1 = Named(new QRadioButton("Show ALL Tasks", views), "Option1");
  Option2 = Named(new QRadioButton("Show ONLY Incomplete Tasks", views), "Option2");
  Option2->setChecked(true);
  auto* view_layout = new QVBoxLayout(views);
  view_layout->setContentsMargins(0, 0, 0, 0);
  view_layout->addWidget(Option1);
  view_layout->addWidget(Option2);
  return views;
}

// The view's caption, the moves and the window's buttons.
void Form1::MakeBrowsingControls(QWidget* central) {
  Label8 = Named(new QLabel("Incomplete Task Requests:", central), "Label8");
  QFont bold = Label8->font();
  bold.setBold(true);
  Label8->setFont(bold);
  Label7 = Named(new QLabel("1 of 1", central), "Label7");
  Command4 = Named(new QPushButton("First", central), "Command4");
  Command5 = Named(new QPushButton("Last", central), "Command5");
  Command4->setEnabled(false);
  Command5->setEnabled(false);
  Command6 = Named(new QPushButton(QString(QChar(0x2190)), central), "Command6");
  Command7 = Named(new QPushButton(QString(QChar(0x2192)), central), "Command7");
  Command6->setAccessibleName("Previous");
  Command7->setAccessibleName("Next");
  Command3 = Named(new QPushButton("Delete this Task", central), "Command3");
  Command2 = Named(new QPushButton("Update Jobline Page!", central), "Command2");
  Command1 = Named(new QPushButton("&Quit", central), "Command1");
  // The browsing controls appear once the tasks are loaded.
  for (QWidget* control : BrowsingControls()) control->setVisible(false);
}

void Form1::LayOutControls(QWidget* central, QWidget* views) {
  // Each caption names its control, for the accessibility tools too.
  const auto caption = [central](const char* text, QWidget* control) {
    auto* label = new QLabel(text, central);
    label->setBuddy(control);
    if (qobject_cast<QComboBox*>(control) != nullptr) vb::NameForScreenReaders(control, label->text());
    return label;
  };
  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {{"Location:", Combo1},     {"Problem With:", Combo2},
                                                   {"Submitted by:", Text3},  {"Date submitted:", Label6},
                                                   {"From:", Label10}};
  int row = 0;
  for (const auto& [text, control] : rows) {
    fields->addWidget(caption(text, control), row, 0);
    fields->addWidget(control, row++, 1);
  }
  fields->setColumnStretch(1, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(Picture1, 0, Qt::AlignTop);
  top->addLayout(fields, 1);

  auto* moves = new QHBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{Command4, Command6, Label7, Command7, Command5}) {
    moves->addWidget(control);
  }
  auto* browse = new QVBoxLayout;
  browse->addWidget(Label8);
  browse->addLayout(moves);
  auto* state = new QHBoxLayout;
  state->addWidget(Frame1, 1);
  state->addWidget(Check1);
  state->addWidget(views);
  auto* buttons = new QHBoxLayout;
  buttons->addLayout(browse);
  buttons->addStretch(1);
  buttons->addWidget(Command3);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(caption("Subject for this Request:", Text1));
  layout->addWidget(Text1);
  layout->addWidget(caption("Comprehensive Description of Problem/Request:", Text2));
  layout->addWidget(Text2, 1);
  layout->addLayout(state);
  layout->addLayout(buttons);
  resize(720, 600);
}

void Form1::MakeMenu() {
  Filemen = Named(menuBar()->addMenu("&File"), "Filemen");
  const auto item = [this](const char* caption, const char* name) {
    return Named(Filemen->addAction(caption), name);
  };
  allexcel = item("&Export ALL Tasks to MS Excel...", "allexcel");
  compexcel = item("Export &Complete Tasks to MS Excel", "compexcel");
  incexcel = item("Export &Incomplete Tasks to MS Excel...", "incexcel");
  emailit = item("e&Mail this Task to Helpdesk...", "emailit");
  Filemen->addSeparator();
  emailprefs = item("eMail Preferences...", "emailprefs");
  Filemen->addSeparator();
  exitit = item("E&xit", "exitit");
}

void Form1::ConnectEvents() {
  const auto guarded = [this](void (Form1::*handler)()) { return vb::GuardedEvent(this, handler); };
  connect(Command1, &QPushButton::clicked, this, guarded(&Form1::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, guarded(&Form1::Command2_Click));
  connect(Command3, &QPushButton::clicked, this, guarded(&Form1::Command3_Click));
  connect(Command4, &QPushButton::clicked, this, guarded(&Form1::Command4_Click));
  connect(Command5, &QPushButton::clicked, this, guarded(&Form1::Command5_Click));
  connect(Command6, &QPushButton::clicked, this, guarded(&Form1::Command6_Click));
  connect(Command7, &QPushButton::clicked, this, guarded(&Form1::Command7_Click));
  // A view is chosen by the user, with the pointer, the keys or an assistive
  // tool; the window sets the options itself with their signals blocked.
  connect(Option1, &QRadioButton::toggled, this,
          [run = guarded(&Form1::Option1_Click)](bool chosen) { if (chosen) run(); });
  connect(Option2, &QRadioButton::toggled, this,
          [run = guarded(&Form1::Option2_Click)](bool chosen) { if (chosen) run(); });
  connect(allexcel, &QAction::triggered, this, guarded(&Form1::allexcel_Click));
  connect(compexcel, &QAction::triggered, this, guarded(&Form1::compexcel_Click));
  connect(incexcel, &QAction::triggered, this, guarded(&Form1::incexcel_Click));
  connect(emailit, &QAction::triggered, this, guarded(&Form1::emailit_Click));
  connect(emailprefs, &QAction::triggered, this, guarded(&Form1::emailprefs_Click));
  connect(exitit, &QAction::triggered, this, guarded(&Form1::exitit_Click));
}

void Form1::Form_Load(const PasswordPrompts& prompts) {
  ToolFolder = common::ToolFolderOf(program_folder_, true);
  common::CheckFolderWriteAccess(common::kTaskManagerTool, ToolFolder);
  try {
    manager_lock_.emplace(ToolFolder);
    if (!manager_lock_->held()) {
      vb::MsgBox("The Jobline manager is already open.  Close it before starting it again.", vb::vbCritical,
                 "Sorry");
      vb::End();
    }
    RestoreTaskStore(ToolFolder);
    AddListEntries(Combo1, ReadSiteList(ToolFolder));
    AddListEntries(Combo2, ReadCategoryList(ToolFolder));
    CheckTaskPassword(ToolFolder, prompts);
    TodayDateText = common::TodayDateText();
    EnsureTaskSettingsFile(ToolFolder);
    MailSettings = ReadTaskSettings(ToolFolder);
    show();
    LoadTaskIndex();
    ShowTaskControls();
    ShowCurrentTask();
    CreateMailObject();
  } catch (const vb::Error& error) {
    common::StartupAccessHandler(common::kTaskManagerTool, error);
  }
}

void Form1::LoadTaskIndex() {
  store_.Open(TaskStorePath(ToolFolder), kTaskRecordLength);
  common::LiveRecordIndex index = common::ScanLiveRecords(store_);
  // A store whose every record is deleted has no task to show either.
  if (index.Count() == 0) {
    store_.Close();
    vb::MsgBox("There are no tasks in the database.  Please submit some task requests first!",
               vb::vbInformation, "No task. :(");
    vb::End();
  }
  browser_ = std::make_unique<TaskBrowser>(store_, std::move(index));
}

void Form1::ShowTaskControls() {
  show();
  for (QWidget* control : BrowsingControls()) control->setVisible(true);
}

std::vector<QWidget*> Form1::BrowsingControls() const {
  return {Check1, Label8, Label7, Command4, Command5, Command6, Command7};
}

TaskOnScreen Form1::OnScreen() const {
  TaskOnScreen screen;
  screen.incomplete = Check1->checkState() == Qt::Checked;
  screen.title = TextOf(Text1);
  screen.body = Text2->Text();
  screen.submitted_by = TextOf(Text3);
  screen.date = TextOf(Label6);
  screen.ip_address = TextOf(Label10);
  screen.site = ListText(Combo1);
  screen.category = ListText(Combo2);
  screen.priority = priority_group_->checkedId();
  return screen;
}

void Form1::ShowCurrentTask() {
  const TaskOnScreen task = browser_->ShowCurrentTask();
  ApplyView();
  Label7->setText(vb::ToQt(browser_->PositionCaption()));
  Check1->setCheckState(task.incomplete ? Qt::Checked : Qt::Unchecked);
  Text1->setText(vb::ToQt(task.title));
  Text2->SetText(task.body);
  Text3->setText(vb::ToQt(task.submitted_by));
  SetListText(Combo1, task.site);
  SetListText(Combo2, task.category);
  Label6->setText(vb::ToQt(task.date));
  Label10->setText(vb::ToQt(task.ip_address));
  if (task.priority >= 0) {
    priority_group_->button(task.priority)->setChecked(true);
  } else {
    // An exclusive group keeps one button checked; a stored code of no
    // button shows none.
    priority_group_->setExclusive(false);
    for (QAbstractButton* option : priority_group_->buttons()) option->setChecked(false);
    priority_group_->setExclusive(true);
  }
}

bool Form1::SaveCurrentTask() {
  try {
    browser_->SaveCurrentTask(OnScreen());
    return true;
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected while saving this task."),
               vb::vbCritical);
    return false;
  }
}

void Form1::ApplyView() {
  const bool all = browser_->View() == TaskView::kAll;
  const QSignalBlocker quiet1(Option1), quiet2(Option2);
  Option1->setChecked(all);
  Option2->setChecked(!all);
  Label8->setText(all ? "All Submitted Task Requests:" : "Incomplete Task Requests:");
  vb::RepaintNow(Label8);
  Command4->setEnabled(all);
  Command5->setEnabled(all);
}

void Form1::Redisplay() {
  try {
    ShowCurrentTask();
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected while reading this task."),
               vb::vbCritical);
    vb::End();
  }
}

void Form1::Browse(void (TaskBrowser::*step)()) {
  if (!SaveCurrentTask()) return;
  (browser_.get()->*step)();
  Redisplay();
}

void Form1::Command4_Click() { Browse(&TaskBrowser::MoveFirst); }
void Form1::Command5_Click() { Browse(&TaskBrowser::MoveLast); }
void Form1::Command6_Click() { Browse(&TaskBrowser::MovePrevious); }
void Form1::Command7_Click() { Browse(&TaskBrowser::MoveNext); }

void Form1::Option1_Click() {
  browser_->ShowAllTasks();
  ApplyView();
}

void Form1::Option2_Click() {
  // A task that cannot be saved keeps the window, and its view, as it was.
  if (!SaveCurrentTask()) {
    ApplyView();
    return;
  }
  browser_->ShowOnlyIncompleteTasks();
  ApplyView();  // before the scan, which may end in the fall-back box
  Redisplay();
}

void Form1::Command3_Click() {
  if (vb::MsgBox("Are you sure you want to delete this task?", vb::vbYesNo, "Verify") != vb::vbYes) return;
  try {
    browser_->DeleteShownTask();
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected while saving this task."),
               vb::vbCritical);
    return;
  }
  Redisplay();
}

void Form1::Command1_Click() {
  // Before the tasks are loaded there is nothing to save.
  if (browser_ && !SaveCurrentTask()) return;
  vb::End();
}

void Form1::exitit_Click() { Command1_Click(); }

void Form1::closeEvent(QCloseEvent* event) {
  event->ignore();
  vb::RunEvent(this, [this] { Command1_Click(); });
}

void Form1::Command2_Click() {
  if (!SaveCurrentTask()) return;
  UpdateTaskPage(ToolFolder, store_);
}

void Form1::Export(TaskSelection selection) {
  try {
    Hourglass hourglass;
    ExportTasks(ToolFolder, store_, selection, TodayDateText);
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected during export."), vb::vbCritical);
  }
}

void Form1::allexcel_Click() { Export(TaskSelection::kAll); }
void Form1::compexcel_Click() { Export(TaskSelection::kCompleteTasks); }
void Form1::incexcel_Click() { Export(TaskSelection::kIncompleteTasks); }

void Form1::emailit_Click() {
  if (!MailPreferencesSet(MailSettings)) {
    vb::MsgBox("You have not yet defined the eMail preferences.  You cannot eMail tasks until these are set.  "
               "Click OK to set the preferences, then try again.",
               vb::vbCritical, "eMail Problem");
    emailprefs_Click();
    return;
  }
  if (vb::MsgBox("Are you sure you want to eMail this task/problem to Helpdesk? (Remember: You must include "
                 "serial numbers for warranty claims).",
                 vb::vbYesNo, "Please Verify") != vb::vbYes) {
    return;
  }
  EmailCurrentTask();
}

void Form1::emailprefs_Click() {
  Form4& dialog = PreferencesDialog();
  dialog.Fill();
  dialog.exec();
}

Form3& Form1::StatusWindow() {
  if (!status_window_) status_window_ = std::make_unique<Form3>();
  return *status_window_;
}

Form4& Form1::PreferencesDialog() {
  if (preferences_dialog_ == nullptr) preferences_dialog_ = new Form4(MailSettings, ToolFolder, this);
  return *preferences_dialog_;
}

void Form1::CreateMailObject() {
  poSendMail = std::make_unique<vb::SendMail>();
  poSendMail->Progress = [this](long percent) { poSendMail_Progress(percent); };
  poSendMail->SendFailed = [this](const std::string& explanation) { poSendMail_SendFailed(explanation); };
  poSendMail->SendSuccesful = [this] { poSendMail_SendSuccesful(); };
  poSendMail->Status = [this](const std::string& status) { poSendMail_Status(status); };
  poSendMail->EventPump = [] { vb::HandlePendingEvents(/*with_input=*/true); };
}

void Form1::EmailCurrentTask() {
  Form3& status = StatusWindow();
  status.show();
  status.AddStatusLine("E-Mailing task as specified...");
  // Nothing else may happen until the send is over and its result read.
  setEnabled(false);
  try {
    Hourglass hourglass;
    vb::SendMail& mail = *poSendMail;
    mail.SmtpHost = MailSettings.SmtpServer;
    mail.From = MailSettings.ContactEmail;
    mail.FromDisplayName = vb::Trim(ListText(Combo1));
    mail.Recipient = MailSettings.RecipientAddress;
    mail.RecipientDisplayName = "Computer Help";
    mail.ReplyToAddress = MailSettings.ContactEmail;
    mail.Subject = EmailSubject(MailSettings);
    mail.Message = BuildEmailBody(MailSettings, {ListText(Combo1), ListText(Combo2), TextOf(Text1), Text2->Text()});
    mail.Send();
  } catch (const vb::Error& error) {
    status.AddStatusLine(common::ErrorCodeText(error.number(), " detected while sending."));
  }
  vb::MsgBox("The eMail status log is displayed.  If your eMail was sent successfully, you should get a response "
             "from the Helpdesk soon.  You should update the description box to show that this task/problem has "
             "been forwarded.",
             vb::vbInformation, "Results");
  status.hide();
  setEnabled(true);
}

void Form1::poSendMail_Progress(long) {}

void Form1::poSendMail_SendFailed(const std::string&) {
  StatusWindow().AddStatusLine("Failed to e-mail.  Internet problems?");
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

void Form1::poSendMail_SendSuccesful() { StatusWindow().AddStatusLine("Task E-Mailed successfully..."); }

void Form1::poSendMail_Status(const std::string& Status) { StatusWindow().AddStatusLine(Status); }

}  // namespace tasks::manager
