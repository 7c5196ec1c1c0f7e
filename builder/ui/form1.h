// The builder's main window "Ond's Orvane!": the user's choices for a build,
// read live by the build, and the rule that enables Install and Preview.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "site/build_context.h"
#include "site/build_settings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace subjects {
class Form3;
}

namespace builder {

class Form2;

class Form1 : public QWidget, public site::BuildSettings {
 public:
  // Sets the window up as the program starts: the year preset from the
  // clock, last year's link captioned, the program folder (`program_folder`
  // in windows-1252, with or without its final separator) and the command
  // line (the arguments joined by single blanks) kept for the import.
  Form1(const std::string& program_folder, const std::string& command_line);
  ~Form1() override;

  // The rest of the start-up: the import of the enrolment export, which
  // enables the year boxes of the levels that received students.
  void Form_Load();

  // Enables Install and Preview together when a build can be started.
  void EnableInstall();

  site::BuildContext& Context() { return context_; }
  Form2& ProgressForm() { return *form2_; }
  subjects::Form3& GroupsForm() { return *form3_; }

  // BuildSettings, read from the controls.
  std::string SiteSchoolName() const override;
  std::string SiteYear() const override;
  std::string TargetDriveLetter() const override;
  std::string SiteSchoolCode() const override;
  int Theme() const override;
  int FontChoice() const override;
  site::ImagePlacement ImagePlacement() const override;
  site::FolderNaming FolderNaming() const override;
  site::PageLayout PageLayout() const override;
  bool EvaluationSection() const override;
  bool WritingPortfolio() const override;
  bool LastYearLink() const override;
  bool YearLevel(int row) const override;

  QLabel* Picture1;
  QLineEdit *Text1, *Text2, *Text3, *Text4;
  QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5, *Option6, *Option7, *Option8,
      *Option9, *Option10, *Option11, *Option12, *Option13;
  QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7, *Check8, *Check9,
      *Check10, *Check11, *Check12, *Check13, *Check14, *Check15, *Check16, *Check17;
  QPushButton *Command1, *Command2, *Command3;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // form1_controls.cpp: the controls, made in their tab order.
  void MakeControls();
  QLayout* MakeEntryBoxes();
  QLayout* MakeLookPanels();
  std::array<QGroupBox*, 5> MakeBuildOptionPanels();
  QGroupBox* MakeYearsPanel();
  QLayout* MakeButtons();
  void ConnectEvents();

  void Text1_Change();
  void Text2_Change();
  void Text3_Change();
  void Option12_Click();
  void Option13_Click();
  void Command1_Click();  // Install
  void Command2_Click();  // Exit
  void Command3_Click();  // Preview

  std::array<QCheckBox*, 14> year_boxes_{};  // Check1..Check14
  site::BuildContext context_;
  std::string command_line_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<subjects::Form3> form3_;
  bool unloading_ = false;
};

}  // namespace builder
