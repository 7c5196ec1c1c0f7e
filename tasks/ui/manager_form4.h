// The manager's "Jobline eMail Preferences" dialog: the nine mail settings,
// saved to "ovtask.ini" and to the manager's memory together.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "tasks/task_settings.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tasks::manager {

class Form4 : public QDialog {
 public:
  // Edits `settings`, which live in `tool_folder`'s "ovtask.ini".
  Form4(TaskMailSettings& settings, std::string tool_folder, QWidget* parent = nullptr);

  // Puts setting k into box k, for all nine.
  void Fill();

  QGroupBox *Frame1, *Frame2;
  // The settings' boxes, in the settings' order.
  QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9;
  QPushButton* Command1;  // "&Save"
  QPushButton* Command2;  // "&Cancel"
  QLabel* Label10;        // the help text

 private:
  void MakeFields();
  void MakeButtons();
  std::array<QLineEdit*, 9> Boxes() const;
  void SaveMailSettings();
  void CancelMailSettings();

  TaskMailSettings& settings_;
  std::string tool_folder_;
};

}  // namespace tasks::manager
