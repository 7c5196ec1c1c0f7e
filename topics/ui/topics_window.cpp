#include "topics/ui/topics_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/open_with.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/drive_list_box.h"
#include "platform/qt/file_list_box.h"
#include "platform/qt/folder_list_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "topics/copy_run.h"
#include "topics/ui/logo.h"
#include "topics/ui/topics_combo.h"

namespace topics {

namespace {

QGroupBox* Frame(const char* name, const char* caption, QColor colour, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, colour);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

template <typename T>
T* Named(T* widget, const char* name, const char* tip = nullptr) {
  widget->setObjectName(name);
  if (tip != nullptr) widget->setToolTip(tip);
  return widget;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TopicsWindow::TopicsWindow(Variant variant, TopicsSite site, QWidget* parent)
    : QWidget(parent), variant_(variant), site_(std::move(site)) {
  setObjectName("Form1");
  setWindowTitle(variant_ == Variant::kPrimary ? "Ond's Orvane Topics Utility 2005 (K-6) v2.2"
                                               : "Ond's Orvane High School Topics Utility v2.2");
  // The source picker starts at the program's drive and folder; a folder
  // under no drive letter has the file-system root for its drive.
  const char letter = vb::DriveOfNative(vb::Resolve(site_.site_root));
  program_drive_ = letter != 0 ? std::string(1, vb::LCaseChar(letter)) + ":" : std::string("/");
  BuildFrame3();
  BuildFrame2();
  BuildFrame1();
  BuildFrame4();

  Command1 = Named(new QPushButton("&Go!", this), "Command1",
                   "Click here when ready to copy the selected file into the class or year...");
  Command2 = Named(new QPushButton("E&xit", this), "Command2", "Click to close and exit...");
  Command3 = Named(new QPushButton("&Help", this), "Command3",
                   "Click for Help on creating Custom class groups...");
  Label9 = Named(new QLabel(this), "Label9");
  // Long destination paths must not widen the window.
  Label9->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  Label9->setText(variant_ == Variant::kPrimary
                      ? kStatusHint
                      : "1. Locate the file or folder to be copied.  2. Choose the file copy option.  "
                        "3/4. Choose the Destination");
  auto* logo = Named(new QLabel(this), "Image1");
  logo->setPixmap(TopicsLogo());

  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addWidget(Frame3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {Command1, Command2, Command3}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Frame2);
  layout->addWidget(Frame1);
  layout->addWidget(Frame4);
  layout->addLayout(buttons);
  layout->addWidget(Label9);
  vb::FitTextSizes(this);

  Drive1->SetDrive(program_drive_);
  Dir1->SetPath(site_.site_root);
  File1->SetPath(Dir1->Path());
  Connect();
}

void TopicsWindow::BuildFrame3() {
  Frame3 = Frame("Frame3", "1. File or Folder to be Copied into Orvane Structure:", QColor(0xC0, 0xC0, 0xC0),
                 this);
  Drive1 = Named(new vb::DriveListBox(program_drive_ == "/", Frame3), "Drive1");
  Dir1 = Named(new vb::FolderListBox(Frame3), "Dir1");
  File1 = Named(new vb::FileListBox(Frame3), "File1");
  vb::NameForScreenReaders(Dir1, "Folders");  // the two lists have no caption
  vb::NameForScreenReaders(File1, "Files");
  Option9 = Named(new QRadioButton("HIGHLIGHT a File to Copy", Frame3), "Option9",
                  "This option will only copy the selected file into each student's folder...");
  Option8 = Named(new QRadioButton(" OPEN a Folder to Copy", Frame3), "Option8",
                  "Select this option to copy an entire folder into student folders...");
  auto* group = new QButtonGroup(Frame3);
  group->addButton(Option9);
  group->addButton(Option8);
  Option9->setChecked(true);

  auto* grid = new QGridLayout(Frame3);
  auto* drives = new QLabel("Drives:", Frame3);
  vb::NameForScreenReaders(Drive1, drives->text());
  grid->addWidget(drives, 0, 0);
  grid->addWidget(Drive1, 0, 1);
  grid->addWidget(Dir1, 1, 0, 1, 2);
  grid->addWidget(File1, 0, 2, 2, 1);
  auto* options = new QHBoxLayout;
  options->addWidget(Option9);
  options->addWidget(new QLabel("- OR - ", Frame3));
  options->addWidget(Option8);
  options->addStretch();
  grid->addLayout(options, 2, 0, 1, 3);
}

void TopicsWindow::BuildFrame2() {
  Frame2 = Frame("Frame2", "2. File Copy Options:", QColor(0xC0, 0xFF, 0xC0), this);
  Option3 = Named(new QRadioButton("REPLACE Existing Topic:", Frame2), "Option3",
                  "Select the topic number you would like to have replaced in your Orvane with the "
                  "selected HTM file...");
  Combo3 = Named(new TopicsCombo(false, Frame2), "Combo3");
  vb::NameForScreenReaders(Combo3, Option3->text());
  if (variant_ == Variant::kPrimary) {
    for (int k = 1; k <= 20; ++k) Combo3->AddItem("topic" + std::to_string(k));
  } else {
    for (int k = 1; k <= site_.settings.topics_per_group; ++k) Combo3->AddItem("topic" + std::to_string(k));
  }
  Combo3->SetText(kSelect);
  auto* label3 = Named(new QLabel("CAREFUL!", Frame2), "Label3",
                       "This utility will OVERWRITE the selected topic in each students' website - even "
                       "if it has content already.");
  auto* label2 = Named(new QLabel("OR", Frame2), "Label2");
  Option4 = Named(new QRadioButton(
                      "Do NOT replace topic, just copy the selected file or folder into each student's folder",
                      Frame2),
                  "Option4", "This is used to place a copy of the selected file into each students' folder...");
  auto* group = new QButtonGroup(Frame2);
  group->addButton(Option3);
  group->addButton(Option4);
  Option3->setChecked(true);

  auto* grid = new QGridLayout(Frame2);
  grid->addWidget(Option3, 0, 0);
  grid->addWidget(Combo3, 0, 1);
  grid->addWidget(label3, 0, 2);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(Option4, 2, 0, 1, 3);
}

void TopicsWindow::BuildFrame1() {
  Frame1 = Frame("Frame1", "3. Copy Selection Into:", QColor(0xFF, 0xFF, 0xC0), this);
  Option1 = Named(new QRadioButton("Scholastic Year:", Frame1), "Option1",
                  "This utility will copy the selected file into each students' folder in the selected "
                  "scholastic year...");
  Combo1 = Named(new TopicsCombo(true, Frame1), "Combo1");
  Option2 = Named(new QRadioButton("Class:", Frame1), "Option2",
                  "This utility will copy the selected file into each students' folder in the selected "
                  "class only...");
  Combo2 = Named(new TopicsCombo(true, Frame1), "Combo2");
  Option10 = Named(new QRadioButton("Custom:", Frame1), "Option10",
                   "Custom Class Groups can be created using Excel.  Click Help for details...");
  Combo4 = Named(new TopicsCombo(true, Frame1), "Combo4");
  Command4 = Named(new QPushButton("?", Frame1), "Command4",
                   "Click to open the selected CSV file in Excel for viewing/editing...");
  for (const std::string& level : site_.distinct.levels) Combo1->AddItem(level);
  for (const std::string& klass : site_.distinct.classes) Combo2->AddItem(klass);
  for (const std::string& group : site_.custom_groups) Combo4->AddItem(group);
  for (TopicsCombo* combo : {Combo1, Combo2, Combo4}) combo->SetText(kSelect);
  // Each list is named by the option beside it.
  vb::NameForScreenReaders(Combo1, Option1->text());
  vb::NameForScreenReaders(Combo2, Option2->text());
  vb::NameForScreenReaders(Combo4, Option10->text());
  Combo2->setEnabled(false);
  Combo4->setEnabled(false);
  Command4->setEnabled(false);
  Command4->setMaximumWidth(32);
  auto* group = new QButtonGroup(Frame1);
  for (QRadioButton* option : {Option1, Option2, Option10}) group->addButton(option);
  Option1->setChecked(true);

  auto* grid = new QGridLayout(Frame1);
  grid->addWidget(Option1, 0, 0);
  grid->addWidget(Combo1, 0, 1);
  grid->addWidget(Option2, 1, 0);
  grid->addWidget(Combo2, 1, 1);
  grid->addWidget(Option10, 2, 0);
  grid->addWidget(Combo4, 2, 1);
  grid->addWidget(Command4, 2, 2);
}

void TopicsWindow::BuildFrame4() {
  const QColor cyan(0xC0, 0xFF, 0xFF);
  if (variant_ == Variant::kHighSchool) {
    Frame4 = Frame("Frame4", "4. Copy into Subject Folder:", cyan, this);
    Combo5 = Named(new TopicsCombo(false, Frame4), "Combo5");
    for (const std::string& name : site_.settings.subject_group_names) Combo5->AddItem(name);
    Combo5->SetText(kSelect);
    auto* subject = new QLabel("Subject:", Frame4);
    vb::NameForScreenReaders(Combo5, subject->text());
    auto* row = new QHBoxLayout(Frame4);
    row->addWidget(subject);
    row->addWidget(Combo5, 1);
    return;
  }
  Frame4 = Frame("Frame4", "4. Copy Selection into Folder:", cyan, this);
  Option5 = Named(new QRadioButton("Root", Frame4), "Option5",
                  "This is the folder where each student's topic files are stored...");
  Option6 = Named(new QRadioButton("Work", Frame4), "Option6",
                  "This is the 'work' folder inside each student's folder...");
  Option7 = Named(new QRadioButton("Images", Frame4), "Option7",
                  "This is the 'images' folder inside each student's folder...");
  Option11 = Named(new QRadioButton("PowerPoints", Frame4), "Option11");
  Option12 = Named(new QRadioButton("Writing", Frame4), "Option12");
  auto* group = new QButtonGroup(Frame4);
  auto* row = new QHBoxLayout(Frame4);
  for (QRadioButton* option : {Option5, Option6, Option7, Option11, Option12}) {
    group->addButton(option);
    row->addWidget(option);
  }
  row->addStretch();
  Option5->setChecked(true);
  SetSubfolderOptionsEnabled(false);
}

void TopicsWindow::OnSelected(QRadioButton* option, void (TopicsWindow::*handler)()) {
  connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
    if (on) vb::RunEvent(this, [this, handler] { (this->*handler)(); });
  });
}

void TopicsWindow::Connect() {
  auto guarded = [this](void (TopicsWindow::*handler)()) {
    return vb::GuardedEvent(this, handler);
  };
  Drive1->OnChange(guarded(&TopicsWindow::Drive1_Change));
  Dir1->OnChange(guarded(&TopicsWindow::Dir1_Change));
  File1->OnClick(guarded(&TopicsWindow::File1_Click));
  OnSelected(Option9, &TopicsWindow::Option9_Click);
  OnSelected(Option8, &TopicsWindow::Option8_Click);
  OnSelected(Option3, &TopicsWindow::Option3_Click);
  OnSelected(Option4, &TopicsWindow::Option4_Click);
  OnSelected(Option1, &TopicsWindow::Option1_Click);
  OnSelected(Option2, &TopicsWindow::Option2_Click);
  OnSelected(Option10, &TopicsWindow::Option10_Click);
  Combo4->OnChange(guarded(&TopicsWindow::Combo4_Change));
  Combo4->OnClick(guarded(&TopicsWindow::Combo4_Change));
  connect(Command1, &QPushButton::clicked, this, guarded(&TopicsWindow::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, guarded(&TopicsWindow::Command2_Click));
  connect(Command3, &QPushButton::clicked, this, guarded(&TopicsWindow::Command3_Click));
  connect(Command4, &QPushButton::clicked, this, guarded(&TopicsWindow::Command4_Click));
}

void TopicsWindow::ResetToProgramDrive() {
  if (Drive1->Drive() != program_drive_) {
    Drive1->SetDrive(program_drive_);
    return;
  }
  // The drive is the program's already, so it fires no change: the folder
  // list goes back to the program's folder, and if that fails too the lists
  // stay as they are (one message is enough).
  try {
    Dir1->SetPath(site_.site_root);
  } catch (const vb::Error&) {
  }
}

void TopicsWindow::Drive1_Change() {
  // The program's drive opens at the program's folder, any other at its root.
  const std::string drive = Drive1->Drive();
  try {
    Dir1->SetPath(drive == program_drive_ ? site_.site_root : drive);
  } catch (const vb::Error&) {
    vb::MsgBox("The selected disk is either unavailable or cannot be read.", vb::vbCritical, "Sorry");
    ResetToProgramDrive();
  }
}

void TopicsWindow::Dir1_Change() {
  try {
    File1->SetPath(Dir1->Path());
  } catch (const vb::Error&) {
    vb::MsgBox("The selected disk/folder is either unavailable or cannot be read.", vb::vbCritical, "Sorry");
    ResetToProgramDrive();
  }
}

void TopicsWindow::File1_Click() {
  const std::string folder = Dir1->Path();
  const char sep = !folder.empty() && folder[0] == '/' ? '/' : '\\';
  selected_file_path_ = folder;
  if (selected_file_path_.empty() || selected_file_path_.back() != sep) selected_file_path_ += sep;
  selected_file_path_ += File1->FileName();
  const std::string upper = vb::UCase(selected_file_path_);
  if (EndsWith(upper, ".HTML") || EndsWith(upper, ".HTM")) {
    EnableTopicReplace();
  } else {
    DisableTopicReplace();
  }
}

void TopicsWindow::DisableTopicReplace() {
  Option4->setChecked(true);
  Option3->setEnabled(false);
}

void TopicsWindow::EnableTopicReplace() { Option3->setEnabled(true); }

void TopicsWindow::Option9_Click() {
  Option3->setEnabled(true);
  Option4->setEnabled(true);
  File1->setEnabled(true);
}

void TopicsWindow::Option8_Click() {
  Option4->setChecked(true);
  Option3->setEnabled(false);
  Option4->setEnabled(false);
  File1->setEnabled(false);
}

void TopicsWindow::SetSubfolderOptionsEnabled(bool enabled) {
  for (QRadioButton* option : {Option5, Option6, Option7, Option11, Option12}) option->setEnabled(enabled);
}

void TopicsWindow::Option3_Click() {
  if (variant_ == Variant::kHighSchool) {
    if (Option3->isChecked()) Combo3->setEnabled(true);
    return;
  }
  Combo3->setEnabled(true);
  Option5->setChecked(true);
  SetSubfolderOptionsEnabled(false);
}

void TopicsWindow::Option4_Click() {
  Combo3->setEnabled(!Option4->isChecked());
  if (variant_ == Variant::kHighSchool) return;
  if (Option3->isChecked()) {
    Option5->setChecked(true);
    SetSubfolderOptionsEnabled(false);
  } else {
    SetSubfolderOptionsEnabled(true);
  }
}

void TopicsWindow::Option1_Click() {
  Combo1->setEnabled(true);
  Combo2->setEnabled(false);
  Combo4->setEnabled(false);
  Command4->setEnabled(false);
}

void TopicsWindow::Option2_Click() {
  Combo2->setEnabled(true);
  Combo1->setEnabled(false);
  Combo4->setEnabled(false);
  Command4->setEnabled(false);
}

void TopicsWindow::Option10_Click() {
  Combo4->setEnabled(true);
  Combo1->setEnabled(false);
  Combo2->setEnabled(false);
  Combo4_Change();
}

void TopicsWindow::Combo4_Change() { Command4->setEnabled(IsCustomGroupName(Combo4->Text())); }

void TopicsWindow::Command1_Click() {
  CopyForm form;
  form.file_mode = Option9->isChecked();
  form.replace_topic = Option3->isChecked();
  form.destination = Option1->isChecked()   ? Destination::kYear
                     : Option2->isChecked() ? Destination::kClass
                                            : Destination::kCustom;
  form.topic_text = Combo3->Text();
  form.year_text = Combo1->Text();
  form.class_text = Combo2->Text();
  form.group_text = Combo4->Text();
  form.file_name = File1->FileName();
  form.selected_file_path = selected_file_path_;
  form.opened_folder = Dir1->Path();
  if (variant_ == Variant::kPrimary) {
    form.subfolder = Option6->isChecked()    ? Subfolder::kWork
                     : Option7->isChecked()  ? Subfolder::kImages
                     : Option11->isChecked() ? Subfolder::kPowerPoints
                     : Option12->isChecked() ? Subfolder::kWriting
                                             : Subfolder::kRoot;
  } else {
    form.subject_text = Combo5->Text();
    form.subject_index = Combo5->ListIndex();
  }
  RunTopicsCopy(variant_, site_, form, [this](const std::string& text) {
    Label9->setText(vb::ToQt(text));
    vb::RepaintNow(Label9);
  });
}

void TopicsWindow::Command2_Click() { vb::End(); }

void TopicsWindow::Command3_Click() {
  vb::MsgBox(
      "You can create your own custom student groups using Excel for use with the Orvane Topics Utility.  "
      "In the Custom puul-down is a file called Allstudents.csv.  Open that file in Excel by clicking the ? "
      "button and remove the rows for all students you DON'T want in the custom group.  Save the file as a "
      "CSV file with whatever name you like and it will be then available in the Custom group box.",
      vb::vbInformation, "How to create a Custom Student Group");
}

void TopicsWindow::Command4_Click() {
  vb::MsgBox(
      "The selected CSV file will be opened in Excel.  Make the desired changes and save the file in CSV "
      "format with a different name.  The Orvane Topics Utility will now close.  You will need to reopen "
      "it after you have edited the CSV file in Excel...",
      vb::vbInformation, "Editing the Custom Group");
  common::OpenWithAssociatedProgram("Open", site_.YearFolder() + Combo4->Text(), std::nullopt,
                                    std::nullopt, 1);
  vb::End();
}

}  // namespace topics
