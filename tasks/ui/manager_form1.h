// The manager's main window "Orvane Jobline Manager v3.1": one task of the
// store at a time, its edits saved on every move, the exports, the page.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/send_mail.h"
#include "tasks/task_browser.h"
#include "tasks/task_csv.h"
#include "tasks/task_password.h"
#include "tasks/task_settings.h"
#include "common/bulletin_record_file.h"
#include "tasks/task_store.h"
#include "tasks/ui/manager_form3.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace vb {
class MultiLineTextBox;
}

namespace tasks::manager {

class Form4;

class Form1 : public QMainWindow {
 public:
  // `program_folder` is the folder the program is kept in.
  explicit Form1(const std::string& program_folder, QWidget* parent = nullptr);

  // StartTaskManager: returns with the window shown and the first task on
  // it, or ends the program. `prompts` ask for the password.
  void Form_Load(const PasswordPrompts& prompts);

  QLabel* Picture1;
  QLineEdit *Text1, *Text3;
  vb::MultiLineTextBox* Text2;
  QLabel *Label6, *Label10;
  QComboBox *Combo1, *Combo2;
  QGroupBox* Frame1;
  QRadioButton *Option3, *Option4, *Option5, *Option6;
  QCheckBox* Check1;
  QRadioButton *Option1, *Option2;
  QLabel *Label8, *Label7;
  QPushButton *Command4, *Command5, *Command6, *Command7, *Command3, *Command2, *Command1;
  QMenu* Filemen;
  QAction *allexcel, *compexcel, *incexcel, *emailit, *emailprefs, *exitit;

  // What start-up keeps for the rest of the run.
  std::string ToolFolder;
  std::string TodayDateText;
  TaskMailSettings MailSettings;
  // The mail component, made once the first task is shown and reused by
  // every send of the run.
  std::unique_ptr<vb::SendMail> poSendMail;

  // The status window of the sends and the preferences dialog, made when
  // first needed.
  Form3& StatusWindow();
  Form4& PreferencesDialog();

 protected:
  // Closing the window by its frame is Quit.
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeControls();
  void MakeTaskBoxes(QWidget* central);
  QWidget* MakeStateControls(QWidget* central);
  void MakeBrowsingControls(QWidget* central);
  void LayOutControls(QWidget* central, QWidget* views);
  void MakeMenu();
  void ConnectEvents();

  void LoadTaskIndex();
  void ShowTaskControls();
  std::vector<QWidget*> BrowsingControls() const;
  void ShowCurrentTask();
  // False, after saying why, when the shown task could not be saved; the
  // caller then goes no further.
  bool SaveCurrentTask();
  TaskOnScreen OnScreen() const;
  void ApplyView();
  // ShowCurrentTask after start-up: a failed read ends the program.
  void Redisplay();
  // Saves the shown task, then moves and shows the task moved to.
  void Browse(void (TaskBrowser::*step)());

  void Command1_Click();  // Quit
  void Command2_Click();  // Update Jobline Page!
  void Command3_Click();  // Delete this Task
  void Command4_Click();  // First
  void Command5_Click();  // Last
  void Command6_Click();  // previous
  void Command7_Click();  // next
  void Option1_Click();
  void Option2_Click();
  void allexcel_Click();
  void compexcel_Click();
  void incexcel_Click();
  void emailit_Click();
  void emailprefs_Click();
  void exitit_Click();
  void Export(TaskSelection selection);

  void CreateMailObject();
  void EmailCurrentTask();
  void poSendMail_Progress(long lPercentCompete);
  void poSendMail_SendFailed(const std::string& Explanation);
  void poSendMail_SendSuccesful();
  void poSendMail_Status(const std::string& Status);

  std::string program_folder_;
  QButtonGroup* priority_group_;
  common::BulletinRecordFile store_;
  std::unique_ptr<TaskBrowser> browser_;
  std::optional<ManagerLock> manager_lock_;
  // Not a child: the main window is disabled while a send goes on.
  std::unique_ptr<Form3> status_window_;
  Form4* preferences_dialog_ = nullptr;
};

}  // namespace tasks::manager
