#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "common/bulletin_startup.h"
#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "tasks/local_address.h"
#include "tasks/task_password.h"
#include "tasks/task_record.h"
#include "tasks/task_store.h"
#include "tasks/ui/manager_form1.h"
#include "tasks/ui/manager_form2.h"
#include "tasks/ui/manager_form3.h"
#include "tasks/ui/manager_form4.h"
#include "tasks/ui/submitter_form1.h"
#include "tests/support/no_file_override.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/smtp_sink.h"
#include "tests/tasks/task_folder.h"

namespace fs = std::filesystem;
using tasks_test::StoreOfStatuses;
using tasks_test::TaskRecordBytes;
using testing_support::SmtpSink;

namespace {

std::string Text(const QLineEdit* box) { return vb::FromQt(box->text()); }
std::string Text(const QLabel* label) { return vb::FromQt(label->text()); }
std::string Text(const QComboBox* combo) { return vb::FromQt(combo->currentText()); }

void Choose(QComboBox* combo, int entry) {
  combo->setCurrentIndex(entry);
  emit combo->activated(entry);
}

std::vector<std::string> Titles(const testing_support::ScriptedMessages& messages) {
  std::vector<std::string> titles;
  for (const auto& box : messages.shown()) titles.push_back(box.title);
  return titles;
}

class SubmitterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<tasks::submitter::Form1>(tools_.folder());
    form_->Form_Load();
  }
  void Fill(const std::string& name) {
    form_->Text1->setText("Tray 2");
    form_->Text2->SetText("Jams\r\nagain");
    form_->Text3->setText(vb::ToQt(name));
    Choose(form_->Combo1, 1);
    Choose(form_->Combo2, 0);
  }

  tasks_test::TaskFolder tools_;
  testing_support::ScriptedMessages messages_;
  std::unique_ptr<tasks::submitter::Form1> form_;
};

TEST_F(SubmitterTest, SubmitWaitsForEveryBoxAndAChosenEntryInEachList) {
  EXPECT_EQ(vb::FromQt(form_->windowTitle()), "Orvane Jobline: Submit a Task Request");
  EXPECT_EQ(Text(form_->Label6), common::TodayDateText());
  EXPECT_EQ(Text(form_->Combo1), "[Select one]");
  EXPECT_EQ(form_->Combo1->count(), 2);
  form_->Text1->setText("Tray 2");
  form_->Text2->SetText("Jams");
  form_->Text3->setText("J Smith");
  Choose(form_->Combo1, 0);
  EXPECT_FALSE(form_->Command2->isEnabled());
  Choose(form_->Combo2, 1);
  EXPECT_TRUE(form_->Command2->isEnabled());
  form_->Combo1->setEditText("");  // typing in a list changes nothing until a box changes
  EXPECT_TRUE(form_->Command2->isEnabled());
  form_->Text3->setText("J Smith ");
  EXPECT_FALSE(form_->Command2->isEnabled());
  form_->Command3->click();
  EXPECT_EQ(Text(form_->Text1), "");
  EXPECT_EQ(Text(form_->Combo2), "[Select one]");
}

TEST_F(SubmitterTest, RequestIsStoredOnlyWhenCleanConfirmedAndWritten) {
  const struct {
    std::string name;
    int answer;
    bool store_is_folder;
    std::vector<std::string> titles;
    std::string kept_name;  // what the form keeps afterwards
    bool store_read_only = false;
  } cases[] = {
      {"Bitchard", vb::vbYes, false, {"Whoops!"}, ""},
      {"J Smith", vb::vbNo, false, {"Please verify"}, "J Smith"},
      {"J Smith", vb::vbYes, true, {"Please verify", "Sorry"}, "J Smith"},
      {"J Smith", vb::vbYes, false, {"Please verify", "Sorry"}, "J Smith", true},
      {"J Smith", vb::vbYes, false, {"Please verify", "Success!"}, ""},
  };
  for (const auto& c : cases) {
    if (c.store_is_folder) fs::create_directory(tools_.file("ovtask.dat"));
    if (c.store_read_only) {
      tools_.Write("ovtask.dat", "");
      fs::permissions(tools_.file("ovtask.dat"), fs::perms::owner_read | fs::perms::group_read);
    }
    messages_.clear();
    if (c.titles[0] == "Please verify") messages_.Answer(c.answer);
    Fill(c.name);
    {
      // Root meets a read-only store as every member of staff does.
      testing_support::NoFileOverride as_staff;
      form_->Command2->click();
    }
    EXPECT_EQ(Titles(messages_), c.titles) << c.name;
    EXPECT_EQ(Text(form_->Text3), c.kept_name);
    if (c.store_is_folder || c.store_read_only) {
      EXPECT_EQ(messages_.shown()[1].text,
                "Your task request could not be saved (Error Code: 70).  Please try again later.");
      fs::remove(tools_.file("ovtask.dat"));
    }
  }
  EXPECT_EQ(tools_.Read("ovtask.dat"), TaskRecordBytes('1', "Tray 2", "Jams\r\nagain", "J Smith",
                                                       common::TodayDateText(), tasks::LocalAddress(),
                                                       "Hall", "Printer", '0'));
}

TEST_F(SubmitterTest, QuitPublishesThePageOnlyAfterASubmission) {
  EXPECT_EXIT(form_->Command1->click(), testing::ExitedWithCode(0), "");
  EXPECT_FALSE(fs::exists(tools_.file("ovtask.htm")));
  Fill("J Smith");
  form_->Command2->click();
  EXPECT_EXIT(form_->Command1->click(), testing::ExitedWithCode(0), "");
  EXPECT_NE(tools_.Read("ovtask.htm").find("Tray 2"), std::string::npos);
}

class ManagerTest : public ::testing::Test {
 protected:
  void Start(const std::string& store, const std::string& store_file = "ovtask.dat", bool read_only = false) {
    tools_.Write(store_file, store);
    if (read_only) fs::permissions(tools_.file(store_file), fs::perms::owner_read | fs::perms::group_read);
    tools_.Write("ovtaskpw.dat", tasks::PasswordFileImage("Sesame"));
    form_ = std::make_unique<tasks::manager::Form1>(tools_.folder());
    form_->Form_Load({[] { return std::string("unused"); }, [] { return std::string(" SESAME "); }});
  }
  std::string Record(int k) const { return tools_.Read("ovtask.dat").substr((k - 1) * 1143u, 1143); }

  tasks_test::TaskFolder tools_;
  testing_support::ScriptedMessages messages_;
  std::unique_ptr<tasks::manager::Form1> form_;
};

TEST_F(ManagerTest, StartUpRefusals) {
  const struct {
    std::string store;
    bool manager_open, sites_missing;
    std::string text, title;
    bool store_read_only = false;
  } cases[] = {
      {"", false, false, "There are no tasks in the database.  Please submit some task requests first!",
       "No task. :("},
      {StoreOfStatuses("DD"), false, false,
       "There are no tasks in the database.  Please submit some task requests first!", "No task. :("},
      {StoreOfStatuses("1"), true, false,
       "The Jobline manager is already open.  Close it before starting it again.", "Sorry"},
      {StoreOfStatuses("1"), false, true, common::kTaskManagerTool.access_message, "Access Blocked"},
      {StoreOfStatuses("1"), false, false, common::kTaskManagerTool.access_message, "Access Blocked", true},
  };
  // Root meets a read-only store as every member of staff does.
  testing_support::NoFileOverride as_staff;
  for (const auto& c : cases) {
    messages_.clear();
    form_.reset();
    std::optional<tasks::ManagerLock> other;
    if (c.manager_open) other.emplace(tools_.folder());
    if (c.sites_missing) fs::remove(tools_.file("sites.txt"));
    if (c.store_read_only) tools_.Write("sites.txt", "Hall\r\n");
    EXPECT_THROW(Start(c.store, "ovtask.dat", c.store_read_only), vb::EndProgram);
    ASSERT_EQ(Titles(messages_), std::vector<std::string>{c.title});
    EXPECT_EQ(messages_.shown()[0].text, c.text);
  }
}

// The window shows while the start-up box says there is no task; a button
// or menu entry reached meanwhile (by an assistive tool) does nothing.
TEST_F(ManagerTest, ControlsDoNothingWhileTheNoTaskBoxShows) {
  const vb::MessageBoxHandler answer = vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& request) {
    for (QPushButton* button : {form_->Command2, form_->Command3, form_->Command4, form_->Command5,
                                form_->Command6, form_->Command7, form_->Command1}) {
      button->click();
    }
    for (QAction* entry : {form_->allexcel, form_->emailit, form_->emailprefs, form_->exitit}) entry->trigger();
    return answer(request);
  });
  EXPECT_THROW(Start(""), vb::EndProgram);
  EXPECT_EQ(Titles(messages_), std::vector<std::string>{"No task. :("});
  EXPECT_FALSE(fs::exists(tools_.file("ovtask.htm")));
  vb::SetMessageBoxHandler(answer);
}

// More live tasks than the old index held; a store whose compaction never
// came to its rename.
TEST_F(ManagerTest, StartsOnEveryStoreThatHoldsATask) {
  Start(StoreOfStatuses(std::string(2001, '0')));
  EXPECT_EQ(Text(form_->Label7), "1 of 2001");
  form_.reset();
  fs::remove(tools_.file("ovtask.dat"));
  Start(StoreOfStatuses("1"), "ovtask.new");
  EXPECT_EQ(Text(form_->Text1), "Task 1");
  EXPECT_FALSE(fs::exists(tools_.file("ovtask.new")));
}

// Five live tasks of which only the third is open.
TEST_F(ManagerTest, BrowsesBothViewsAndRewritesUntouchedTasksUnchanged) {
  const std::string store = StoreOfStatuses("00100");
  Start(store);
  EXPECT_EQ(vb::FromQt(form_->windowTitle()), "Orvane Jobline Manager v3.1");
  EXPECT_TRUE(fs::exists(tools_.file("ovtask.ini")));
  EXPECT_TRUE(form_->Command7->isVisible());
  EXPECT_EQ(form_->Combo2->count(), 2);
  const struct {
    QAbstractButton* control;
    std::string caption, title;
    bool all_view;
    size_t boxes;
  } walk[] = {
      {nullptr, "3 of 5", "Task 3", false, 0},          {form_->Command7, "1 of 5", "Task 1", true, 1},
      {form_->Option2, "3 of 5", "Task 3", false, 0},  {form_->Command6, "3 of 5", "Task 3", false, 0},
      {form_->Option1, "3 of 5", "Task 3", true, 0},   {form_->Command5, "5 of 5", "Task 5", true, 0},
      {form_->Command7, "5 of 5", "Task 5", true, 0},  {form_->Option2, "1 of 5", "Task 1", true, 1},
      {form_->Command4, "1 of 5", "Task 1", true, 0},  {form_->Command6, "1 of 5", "Task 1", true, 0},
  };
  // The view a fall-back box is shown over.
  std::vector<std::string> views_at_boxes;
  vb::MessageBoxHandler scripted;
  scripted = vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
    views_at_boxes.push_back(Text(form_->Label8));
    return scripted(box);
  });
  for (const auto& step : walk) {
    messages_.clear();
    if (step.control != nullptr) step.control->click();
    EXPECT_EQ(Text(form_->Label7), step.caption);
    EXPECT_EQ(Text(form_->Text1), step.title) << step.caption;
    EXPECT_EQ(form_->Option1->isChecked(), step.all_view);
    EXPECT_EQ(form_->Command4->isEnabled(), step.all_view);
    EXPECT_EQ(Text(form_->Label8), step.all_view ? "All Submitted Task Requests:" : "Incomplete Task Requests:");
    EXPECT_EQ(messages_.shown().size(), step.boxes) << step.caption;
  }
  vb::SetMessageBoxHandler(scripted);
  EXPECT_EQ(views_at_boxes, std::vector<std::string>(2, "Incomplete Task Requests:"));
  EXPECT_EQ(tools_.Read("ovtask.dat"), store);
}

TEST_F(ManagerTest, EditsAreSavedOnTheNextMove) {
  Start(TaskRecordBytes('1', "First", "Body", "A", "01/02/03", "10.0.0.1", "Hall", "Printer", ' ') +
        TaskRecordBytes('d', "Odd", "", "B", "1/2/3", "10.0.0.2", "Lab", "Email", '7') +
        TaskRecordBytes('1', "Third", "", "C", "03/02/03", "10.0.0.3", "Lab", "Email", '1'));
  EXPECT_TRUE(form_->Option3->isChecked());
  form_->Option1->click();
  form_->Text1->setText("Edited");
  form_->Check1->setChecked(false);
  form_->Option6->click();
  form_->Command7->click();
  EXPECT_EQ(Record(1), TaskRecordBytes('0', "Edited", "Body", "A", "01/02/03", "10.0.0.1", "Hall", "Printer", '3'));
  EXPECT_FALSE(form_->Check1->isChecked());
  for (QRadioButton* option : {form_->Option3, form_->Option4, form_->Option5, form_->Option6}) {
    EXPECT_FALSE(option->isChecked());
  }
  form_->Combo1->setEditText(QString(25, 'x'));
  form_->Command7->click();
  EXPECT_EQ(Record(2), TaskRecordBytes('0', "Odd", "", "B", "1/2/3", "10.0.0.2", std::string(20, 'x'), "Email", '7'));

  messages_.Answer(vb::vbNo);
  form_->Command3->click();
  EXPECT_EQ(Record(3).substr(0, 8), TaskRecordBytes('1', "Third").substr(0, 8));
  form_->Command3->click();
  EXPECT_EQ(Record(3), tasks::DeletedTaskRecord());
  EXPECT_EQ(Text(form_->Text1), "This task has been deleted.");
  EXPECT_EQ(Text(form_->Label10), "");
  form_->Command6->click();
  form_->Command7->click();
  EXPECT_EQ(tasks::ReadTaskFields(Record(3)).status, 'D');
  EXPECT_EQ(Titles(messages_), (std::vector<std::string>{"Verify", "Verify"}));
}

// A task that cannot be written keeps the window as it was, whatever was pressed.
TEST_F(ManagerTest, FailedSaveStopsTheMoveAndTheQuit) {
  Start(StoreOfStatuses("11"));
  form_->Text1->setText("Typed");
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 0;
  ::setrlimit(RLIMIT_FSIZE, &small);
  form_->Command7->click();
  form_->close();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text, "Error Code: 61 detected while saving this task.");
  EXPECT_EQ(messages_.shown()[1].style, vb::vbCritical);
  EXPECT_EQ(Text(form_->Label7), "1 of 2");
  EXPECT_EQ(Text(form_->Text1), "Typed");
  EXPECT_EQ(tools_.Read("ovtask.dat"), StoreOfStatuses("11"));
}

TEST_F(ManagerTest, ExportsOpenTheirFileAndAFailedOneSaysWhy) {
  Start(StoreOfStatuses("10"));
  testing_support::RecordingOpener opener(tools_.file(""));
  const std::pair<QAction*, std::string> exports[] = {
      {form_->allexcel, "ovalltasks.csv"}, {form_->compexcel, "ovcomptasks.csv"}, {form_->incexcel, "ovincomptasks.csv"}};
  for (const auto& [item, file] : exports) {
    opener.Forget();
    item->trigger();
    EXPECT_EQ(opener.Opened(), tools_.file(file).string());
  }
  EXPECT_NE(tools_.Read("ovcomptasks.csv").find("\"Task 2\""), std::string::npos);
  EXPECT_EQ(tools_.Read("ovcomptasks.csv").find("\"Task 1\""), std::string::npos);
  fs::remove(tools_.file("ovalltasks.csv"));
  fs::create_directory(tools_.file("ovalltasks.csv"));
  form_->allexcel->trigger();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, "Error Code: 70 detected during export.");
}

TEST_F(ManagerTest, ClosingTheWindowSavesAndUpdateJoblinePagePublishes) {
  Start(StoreOfStatuses("1D1"));
  form_->Text1->setText("Closed");
  EXPECT_EXIT(form_->close(), testing::ExitedWithCode(0), "");
  EXPECT_EQ(tasks::ReadTaskFields(Record(1)).title, "Closed");
  form_->Text1->setText("Published");
  EXPECT_EXIT(form_->Command2->click(), testing::ExitedWithCode(0), "");
  EXPECT_EQ(tools_.Read("ovtask.dat").size(), 2u * 1143);
  EXPECT_NE(tools_.Read("ovtask.htm").find("Published"), std::string::npos);
}

// A fresh installation asks for the preferences before any send; Save keeps
// the nine settings in memory and in the file together, or changes neither.
TEST_F(ManagerTest, MailPreferencesAreAskedForAndSavedWholeOrNotAtAll) {
  Start(StoreOfStatuses("1"));
  tasks::manager::Form4& dialog = form_->PreferencesDialog();
  const auto boxes = [&dialog] {
    return std::vector<QLineEdit*>{dialog.Text1, dialog.Text2, dialog.Text3, dialog.Text4, dialog.Text5,
                                   dialog.Text6, dialog.Text7, dialog.Text8, dialog.Text9};
  };
  std::vector<std::string> shown;
  QTimer::singleShot(0, &dialog, [&] {
    for (QLineEdit* box : boxes()) shown.push_back(Text(box));
    dialog.Text1->setText("Typed, then cancelled");
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  form_->emailit->trigger();
  EXPECT_EQ(Titles(messages_), std::vector<std::string>{"eMail Problem"});
  EXPECT_EQ(shown, std::vector<std::string>(9));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(form_->MailSettings.SchoolName, "");

  const struct {
    std::string code;
    bool file_is_folder;
    std::string refusal, title;
  } saves[] = {
      {"12\"34", false, "A setting cannot contain a double quote (\").  Please remove it and save again.",
       "eMail Preferences"},
      {"1234", true, "Error Code: 75 detected while saving the eMail preferences.", ""},
      {" 1234 ", false, "", ""},
  };
  for (const auto& save : saves) {
    messages_.clear();
    dialog.Fill();
    dialog.show();
    const std::string typed[] = {"  Sample PS ", save.code, "Jo", "jo@example.org", "9555 0101", "   ",
                                 "After 3pm, any day", "help@example.org", "mail.example.org:2525"};
    for (size_t k = 0; k < 9; ++k) boxes()[k]->setText(vb::ToQt(typed[k]));
    if (save.file_is_folder) {
      fs::remove(tools_.file("ovtask.ini"));
      fs::create_directory(tools_.file("ovtask.ini"));
    }
    dialog.Command1->click();
    const bool refused = !save.refusal.empty();
    EXPECT_EQ(dialog.isVisible(), refused);
    EXPECT_EQ(form_->MailSettings.SchoolCode, refused ? "" : "1234");
    if (refused) {
      ASSERT_EQ(Titles(messages_), std::vector<std::string>{save.title});
      EXPECT_EQ(messages_.shown()[0].text, save.refusal);
    }
    if (save.file_is_folder) {
      fs::remove(tools_.file("ovtask.ini"));
    } else {
      EXPECT_EQ(tools_.Read("ovtask.ini"),
                refused ? "" : "\"Sample PS\"\r\n\"1234\"\r\n\"Jo\"\r\n\"jo@example.org\"\r\n\"9555 0101\"\r\n\"\"\r\n"
                               "\"After 3pm, any day\"\r\n\"help@example.org\"\r\n\"mail.example.org:2525\"\r\n");
    }
  }
  EXPECT_EQ(form_->MailSettings.Availability, "After 3pm, any day");
  EXPECT_EQ(form_->MailSettings.MobilePhone, "");
}

// Every send, whatever its end, leaves its lines in the status window and
// the "Results" box; the task and its store stay as they were.
TEST_F(ManagerTest, EmailsTheShownTaskAndReportsEveryEndOfASend) {
  Start(StoreOfStatuses("1"));
  form_->MailSettings = {"Sample PS", "1234", "Jo Bloggs", "jo@example.org", "9555 0101", "", "After 3pm",
                         "help@example.org", ""};
  form_->Combo1->setEditText("  Hall  ");
  form_->Combo2->setEditText("Printer ");
  form_->Text1->setText(" Tray 2");
  form_->Text2->SetText("Jams\r\nagain  ");
  tasks::manager::Form3& status = form_->StatusWindow();
  const std::string sent = "Task E-Mailed successfully...", failed = "Failed to e-mail.  Internet problems?";
  const struct {
    SmtpSink::Behaviour server;
    int answer;
    int connect_timeout_ms;
    std::string last_line;
  } sends[] = {
      {SmtpSink::kTakesMail, vb::vbNo, 500, ""},
      {SmtpSink::kTakesMail, vb::vbYes, 500, sent},
      {SmtpSink::kNotListening, vb::vbYes, 500, failed},
      {SmtpSink::kRefusesSender, vb::vbYes, 500, failed},
      {SmtpSink::kNeverAnswers, vb::vbYes, 500, failed},
      {SmtpSink::kNeverConfirms, vb::vbYes, 500, failed},
      {SmtpSink::kTakesMail, vb::vbYes, -1, "Error Code: 5 detected while sending."},
  };
  for (const auto& send : sends) {
    SmtpSink sink(send.server);
    form_->MailSettings.SmtpServer = sink.Server();
    form_->poSendMail->ConnectTimeoutMs = send.connect_timeout_ms;
    form_->poSendMail->TotalTimeoutMs = 1500;
    messages_.clear();
    messages_.Answer(send.answer);
    const int lines_before = status.lstStatus->count();
    std::optional<bool> enabled_while_sending;
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      enabled_while_sending = form_->isEnabled();
      // The menu's entries can be chosen meanwhile; none starts a second send.
      form_->emailit->trigger();
    });
    probe.start(0);
    const auto started = std::chrono::steady_clock::now();
    form_->emailit->trigger();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    std::vector<std::string> lines;
    for (int k = lines_before; k < status.lstStatus->count(); ++k) {
      lines.push_back(vb::FromQt(status.lstStatus->item(k)->text()));
    }
    if (send.answer == vb::vbNo) {
      EXPECT_EQ(Titles(messages_), std::vector<std::string>{"Please Verify"});
      EXPECT_TRUE(lines.empty());
      EXPECT_TRUE(sink.Received().empty());
      continue;
    }
    ASSERT_EQ(Titles(messages_), (std::vector<std::string>{"Please Verify", "Results"})) << send.last_line;
    EXPECT_EQ(messages_.shown()[1].text,
              "The eMail status log is displayed.  If your eMail was sent successfully, you should get a response "
              "from the Helpdesk soon.  You should update the description box to show that this task/problem has "
              "been forwarded.");
    EXPECT_EQ(messages_.shown()[1].style, vb::vbInformation);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "E-Mailing task as specified...");
    EXPECT_EQ(lines.back(), send.last_line);
    EXPECT_FALSE(status.isVisible());
    EXPECT_TRUE(form_->isEnabled());
    if (send.connect_timeout_ms > 0) {
      EXPECT_EQ(enabled_while_sending, std::optional<bool>(false));
    }
    if (send.last_line != sent) continue;
    ASSERT_EQ(sink.Received().size(), 1u);
    const SmtpSink::Mail mail = sink.Received()[0];
    EXPECT_EQ(mail.sender, "<jo@example.org>");
    EXPECT_EQ(mail.recipients, std::vector<std::string>{"<help@example.org>"});
    EXPECT_EQ(testing_support::MailHeader(mail.data, "Subject"), "Computer Help Request - 1234");
    EXPECT_EQ(testing_support::MailHeader(mail.data, "From"), "\"Hall\" <jo@example.org>");
    EXPECT_EQ(testing_support::MailHeader(mail.data, "To"), "\"Computer Help\" <help@example.org>");
    EXPECT_EQ(testing_support::MailHeader(mail.data, "Reply-To"), "<jo@example.org>");
    EXPECT_EQ(testing_support::MailBody(mail.data),
              "School      : Hall\r\n"
              "School Code : 1234\r\n"
              "Contact     : Jo Bloggs\r\n"
              "E-Mail      : jo@example.org\r\n"
              "Mobile Ph.  : \r\n"
              "School Ph.  : 9555 0101\r\n"
              "Availability: After 3pm\r\n"
              "\r\n"
              "Problem With: Printer\r\n"
              "\r\n"
              "Specific Item/Location : Tray 2\r\n"
              "\r\n"
              "Description of Problem : \r\n"
              "\r\n"
              "Jams\r\nagain\r\n"
              "\r\n"
              "***This E-Mail was generated using Ond's Orvane Jobline***\r\n");
  }
  EXPECT_EQ(Text(form_->Text1), " Tray 2");
  EXPECT_EQ(tools_.Read("ovtask.dat"), StoreOfStatuses("1"));
}

TEST_F(ManagerTest, EveryStoredPriorityShowsItsOption) {
  std::string store;
  for (const char priority : {'3', '2', '1', '0'}) {
    store += TaskRecordBytes('1', "Task", "", "", "", "", "", "", priority);
  }
  Start(store);
  for (QRadioButton* option : {form_->Option6, form_->Option5, form_->Option4, form_->Option3}) {
    EXPECT_TRUE(option->isChecked()) << vb::FromQt(option->text());
    form_->Command7->click();
  }
}

// Tasks 1, 3 and 5 open: previous steps back over the complete ones, and
// turns at the first.
TEST_F(ManagerTest, PreviousInTheIncompleteViewGoesBack) {
  Start(StoreOfStatuses("10101"));
  const std::pair<QPushButton*, std::string> steps[] = {
      {form_->Command7, "3 of 5"}, {form_->Command7, "5 of 5"}, {form_->Command6, "3 of 5"},
      {form_->Command6, "1 of 5"}, {form_->Command6, "1 of 5"}, {form_->Command7, "3 of 5"}};
  for (const auto& [button, caption] : steps) {
    button->click();
    EXPECT_EQ(Text(form_->Label7), caption);
    EXPECT_EQ(Text(form_->Text1), "Task " + caption.substr(0, 1));
  }
  EXPECT_TRUE(form_->Option2->isChecked());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST(SecurityCheck, MasksAndTakesFifteenCharacters) {
  tasks::manager::Form2 form2;
  EXPECT_EQ(vb::FromQt(form2.windowTitle()), "Security Check");
  EXPECT_EQ(form2.Text1->echoMode(), QLineEdit::Password);
  EXPECT_EQ(form2.Text1->maxLength(), 15);
  EXPECT_TRUE(form2.Command1->isDefault());
}

// A password of fifteen characters is taken when defined and can be typed
// in full at the next start's Security Check; a sixteenth key is lost.
TEST(SecurityCheck, AFifteenCharacterPasswordIsDefinedAndAccepted) {
  const tasks_test::TaskFolder tools;
  testing_support::ScriptedMessages messages;
  tasks::manager::Form2 form2;
  tasks::PasswordPrompts prompts = tasks::manager::DialogPasswordPrompts(form2);
  int defined = 0;
  prompts.define_new = [&defined]() -> std::optional<std::string> {
    if (defined++ > 0) vb::End();  // asked again: the answer was refused
    return "Fifteen chars!!";
  };
  tasks::CheckTaskPassword(tools.folder(), prompts);
  EXPECT_EQ(tools.Read("ovtaskpw.dat"), tasks::PasswordFileImage("Fifteen chars!!"));

  QTimer::singleShot(0, &form2, [&form2] {
    QTest::keyClicks(form2.Text1, "FIFTEEN CHARS!!?");
    QTest::keyClick(form2.Text1, Qt::Key_Return);
  });
  QTimer::singleShot(2000, &form2, [&form2] { form2.reject(); });  // Enter did not answer
  EXPECT_NO_THROW(tasks::CheckTaskPassword(tools.folder(), prompts));
  EXPECT_EQ(Titles(messages), std::vector<std::string>{"Success"});
}

}  // namespace
