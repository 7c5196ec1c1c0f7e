#include "builder/ui/form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <ctime>

#include "builder/core/install_rule.h"
#include "builder/core/tables.h"
#include "builder/core/throttled_progress.h"
#include "builder/import/enrolment_import.h"
#include "builder/import/year_lists.h"
#include "builder/ui/form2.h"
#include "common/open_with.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "site/build_run.h"
#include "subjects/core/subject_groups.h"
#include "subjects/pages/subject_writers.h"
#include "subjects/ui/form3.h"

namespace builder {

namespace {

bool Ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

std::string TextOf(const QLineEdit* box) { return vb::FromQt(box->text()); }

int CalendarYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// A path as the user knows it on this system.
std::string ShownPath(const std::string& path) {
  try {
    return vb::NativeToText(vb::Resolve(path));
  } catch (const vb::Error&) {
    return path;
  }
}

}  // namespace

Form1::Form1(const std::string& program_folder, const std::string& command_line)
    : command_line_(command_line), form2_(std::make_unique<Form2>()) {
  MakeControls();
  form3_ = std::make_unique<subjects::Form3>([this] { EnableInstall(); });
  ConnectEvents();

  const int year = CalendarYear();
  context_.CurrentYear = std::to_string(year);
  context_.LastYear = std::to_string(year - 1);
  Check17->setText(vb::ToQt("Include link to " + context_.LastYear + " Orvane"));
  subjects::Groups().SubjectGroupCount = 0;
  context_.ProgramFolder = vb::Trim(program_folder);
  if (context_.ProgramFolder.empty() ||
      (context_.ProgramFolder.back() != '\\' && context_.ProgramFolder.back() != '/')) {
    context_.ProgramFolder += '\\';
  }
  context_.PageCount = 0;
  Text2->setText(vb::ToQt(context_.CurrentYear));
  vb::FitTextSizes(this);
}

Form1::~Form1() = default;

void Form1::Form_Load() {
  const EnrolmentSource source = ParseEnrolmentOption(command_line_);
  // The import files thousands of students a second; the window shows the
  // latest of them about 30 times a second.
  ThrottledProgress shown(*form2_, std::chrono::milliseconds(33));
  // The main window comes up with its year boxes before the box that
  // reports faulty rows.
  ImportEnrolment(source, context_.ProgramFolder, shown, [this](const std::array<bool, 14>& filed) {
    for (size_t row = 0; row < filed.size(); ++row) {
      if (filed[row]) year_boxes_[row]->setEnabled(true);
    }
    show();
  });
}

void Form1::ConnectEvents() {
  auto event = [this](void (Form1::*handler)()) {
    return vb::GuardedEvent(this, handler);
  };
  connect(Text1, &QLineEdit::textChanged, this, event(&Form1::Text1_Change));
  connect(Text2, &QLineEdit::textChanged, this, event(&Form1::Text2_Change));
  connect(Text3, &QLineEdit::textChanged, this, event(&Form1::Text3_Change));
  for (QCheckBox* box : year_boxes_) {
    connect(box, &QCheckBox::toggled, this, event(&Form1::EnableInstall));
  }
  vb::OnChosen(Option12, event(&Form1::Option12_Click));
  vb::OnChosen(Option13, event(&Form1::Option13_Click));
  connect(Command1, &QPushButton::clicked, this, event(&Form1::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, event(&Form1::Command2_Click));
  connect(Command3, &QPushButton::clicked, this, event(&Form1::Command3_Click));
}

void Form1::EnableInstall() {
  // Upper-casing the drive box runs Text3_Change again, nested, when it changes.
  Text3->setText(vb::ToQt(vb::UCaseAscii(TextOf(Text3))));
  std::array<bool, 14> ticked{};
  for (size_t row = 0; row < ticked.size(); ++row) ticked[row] = Ticked(year_boxes_[row]);
  const bool enable = InstallRuleHolds(TextOf(Text1), TextOf(Text2), TextOf(Text3),
                                       Option13->isChecked(),
                                       subjects::Groups().SubjectGroupsReady, ticked);
  Command1->setEnabled(enable);
  Command3->setEnabled(enable);
}

void Form1::Text1_Change() { EnableInstall(); }

void Form1::Text2_Change() { EnableInstall(); }

// The drive box keeps nothing but one capital letter C to Z.
void Form1::Text3_Change() {
  EnableInstall();
  const std::string drive = TextOf(Text3);  // read afresh after the nested run
  if (drive.empty()) return;
  const unsigned char code = static_cast<unsigned char>(drive[0]);
  if (code < 'C' || code > 'Z') Text3->setText("");
}

void Form1::Option12_Click() {
  subjects::Groups().SubjectGroupCount = 0;
  form3_->hide();
  Check16->setChecked(true);
  Check16->setEnabled(true);
  EnableInstall();
}

// The groups are confirmed in their window, not here: Install waits for the
// window's refresh, and the build refuses fewer than two groups.
void Form1::Option13_Click() {
  form3_->show();
  form3_->raise();
  form3_->activateWindow();
  vb::RepaintNow(form3_.get());
  Check16->setChecked(false);
  Check16->setEnabled(false);
  EnableInstall();
}

// Exit: the import's year lists and log go, then every window.
void Form1::Command2_Click() {
  unloading_ = true;
  DeleteYearLists(context_.ProgramFolder);
  form2_->close();
  form3_->close();
  close();
}

// Preview: opens a sample student home page of the chosen theme, font and
// layout from the theme's folder; the subject layout's page is written anew.
void Form1::Command3_Click() {
  context_.PreviewMode = 0;
  const ThemeRow& theme = ThemeTable[static_cast<size_t>(Theme())];
  const FontRow& font = FontTable[static_cast<size_t>(FontChoice())];
  // The table names the theme's folder with a leading "\".
  const std::string folder = context_.ProgramFolder + std::string(theme.folder.substr(1)) + "\\";
  const std::string suffix = std::string(1, font.preview_letter) + ".htm";

  if (PageLayout() == site::PageLayout::K6) {
    context_.OpenFile = folder + "index" + suffix;
  } else {
    context_.ThemeColour1 = std::string(theme.colour1);
    context_.ThemeColour2 = std::string(theme.colour2);
    context_.FontFace = std::string(font.face);
    context_.OpenFile = folder + "hsindex" + suffix;
    context_.PreviewMode = 1;
    site::BuildRun run{context_, *this, *form2_};
    try {
      subjects::WriteStudentHomePage(run);  // PreviewMode is 0 again however it ends
    } catch (const vb::Error&) {
      vb::MsgBox("The preview page could not be written: " + ShownPath(context_.OpenFile),
                 vb::vbCritical, "Sorry");
      return;
    }
  }

  context_.OpenOperation = "Open";
  context_.OpenParameters.reset();
  context_.OpenDirectory.reset();
  common::OpenWithAssociatedProgram(context_.OpenOperation, context_.OpenFile,
                                    context_.OpenParameters, context_.OpenDirectory, 1);
}

// Closing the window from its title bar leaves as Exit does; while a box or
// another handler holds the window, Exit may not run and the window stays.
void Form1::closeEvent(QCloseEvent* event) {
  if (unloading_ || vb::RunEvent(this, [this] { Command2_Click(); })) {
    event->accept();
  } else {
    event->ignore();
  }
}

std::string Form1::SiteSchoolName() const { return TextOf(Text1); }
std::string Form1::SiteYear() const { return TextOf(Text2); }
std::string Form1::TargetDriveLetter() const { return TextOf(Text3); }
std::string Form1::SiteSchoolCode() const { return TextOf(Text4); }

int Form1::Theme() const {
  if (Option2->isChecked()) return 1;
  if (Option3->isChecked()) return 2;
  if (Option4->isChecked()) return 3;
  return 0;
}

int Form1::FontChoice() const {
  if (Option5->isChecked()) return 0;
  if (Option7->isChecked()) return 2;
  return 1;
}

site::ImagePlacement Form1::ImagePlacement() const {
  return Option8->isChecked() ? site::ImagePlacement::Shared : site::ImagePlacement::Replicated;
}

site::FolderNaming Form1::FolderNaming() const {
  return Option10->isChecked() ? site::FolderNaming::Generic : site::FolderNaming::FromNames;
}

site::PageLayout Form1::PageLayout() const {
  return Option13->isChecked() ? site::PageLayout::Subject : site::PageLayout::K6;
}

bool Form1::EvaluationSection() const { return Ticked(Check15); }
bool Form1::WritingPortfolio() const { return Ticked(Check16); }
bool Form1::LastYearLink() const { return Ticked(Check17); }

bool Form1::YearLevel(int row) const {
  return row >= 0 && row < 14 && Ticked(year_boxes_[static_cast<size_t>(row)]);
}

}  // namespace builder
