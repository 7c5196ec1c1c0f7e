// The calendar window "Orvane Term Calendar Generator": the year, the term
// and the term's first Monday and last Friday; Generate checks them and
// writes the term's calendar page into the tool's folder.
#pragma once

#include <QWidget>
#include <string>

#include "calendar/term_checks.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace calendar {

class Form1 : public QWidget {
 public:
  // `program_folder`: the folder of the running program (windows-1252).
  explicit Form1(const std::string& program_folder);

  // The start-up: the tool's folder, the year preset from the clock and the
  // write test of the folder, which ends the program when it fails.
  void Form_Load();

  // Refusals so far, each sounded by a beep.
  int Beeps() const { return beeps_; }

  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
  QLabel* Picture1;
  QLineEdit* Text1;
  QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5;
  QGroupBox *Frame1, *Frame2;
  QPushButton *Command1, *Command2;

 private:
  void MakeControls();
  void Combo2_Click();  // Combo3_Click does the same
  void Command1_Click();
  void Command2_Click();

  void GenerateTermCalendar();
  void Refuse(Refusal refusal);

  std::string program_folder_;
  std::string tool_folder_;
  int beeps_ = 0;
};

}  // namespace calendar
