// The submitter's window "Orvane Jobline: Submit a Task Request", through
// which any member of staff files a computer-help request.
#pragma once

#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vb {
class MultiLineTextBox;
}

namespace tasks::submitter {

class Form1 : public QWidget {
 public:
  // `program_folder` is the folder the program is kept in.
  explicit Form1(const std::string& program_folder, QWidget* parent = nullptr);

  // The start-up: the computer's address and the date, the write test, the
  // two lists, then the window shown with a clear form. Ends the program
  // when the tool cannot start.
  void Form_Load();

  QLabel* Picture1;
  QLabel *Label2, *Label8, *Label9, *Label4, *Label3, *Label5, *Label6, *Label7;
  QLineEdit *Text1, *Text3;
  vb::MultiLineTextBox* Text2;
  QComboBox *Combo1, *Combo2;
  QPushButton *Command3, *Command2, *Command1;

 private:
  void MakeControls();
  void LayOutControls();
  void ConnectEvents();
  void ClearTaskForm();
  void UpdateSubmitButton();
  void WarnBadLanguage();

  void Command1_Click();  // Quit
  void Command2_Click();  // Submit
  void Command3_Click();  // Clear

  std::string program_folder_;
  std::string ToolFolder;
  std::string TodayDateText;
  std::string LocalAddress;
  bool TaskSubmitted = false;
};

}  // namespace tasks::submitter
