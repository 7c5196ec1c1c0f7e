// The controls of the main window: captions, tool tips, start states,
// colours and placement.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "builder/core/tables.h"
#include "builder/ui/form1.h"
#include "platform/qt/widgets.h"

namespace builder {

namespace {

const char kYearsNote[] =
    "The following active options are all the Scholastic Years (or Grades) encountered in your "
    "school.txt file. Please select all the grades that you would like to create an Orvane for.  "
    "NOTE that you cannot add grades to an existing Orvane Year.  To do this, you must delete the "
    "entire Orvane Year and create a new one. You should create a new Orvane for the desired "
    "grades in your school at the start of each year.";

// Sets a colour; a text colour is set for enabled controls only, so that
// disabled ones keep their greyed text.
void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  if (role == QPalette::WindowText) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
  } else {
    palette.setColor(role, colour);
  }
  widget->setPalette(palette);
}

const QRgb kLightBlue = qRgb(192, 192, 255);

// A framed panel with a caption, in its own colour and with black text.
QGroupBox* Panel(const char* caption, QRgb colour, QWidget* parent) {
  auto* panel = new QGroupBox(caption, parent);
  panel->setAutoFillBackground(true);
  Colour(panel, QPalette::Window, QColor(colour));
  Colour(panel, QPalette::WindowText, Qt::black);
  return panel;
}

// A panel of option buttons left to right in one row.
QGroupBox* OptionRow(const char* caption, QRgb colour, std::initializer_list<QRadioButton*> options,
                     QWidget* parent) {
  QGroupBox* panel = Panel(caption, colour, parent);
  auto* row = new QHBoxLayout(panel);
  for (QRadioButton* option : options) row->addWidget(option);
  row->addStretch();
  return panel;
}

// A white label naming `box`, which takes the label's text as its name for
// screen readers.
QLabel* WhiteLabel(const char* text, QWidget* box, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  Colour(label, QPalette::WindowText, Qt::white);
  label->setBuddy(box);
  return label;
}

}  // namespace

void Form1::MakeControls() {
  setWindowTitle("Ond's Orvane! - Student-Centered Intranets...");
  setAutoFillBackground(true);
  Colour(this, QPalette::Window, QColor(128, 128, 128));
  Colour(this, QPalette::WindowText, Qt::white);

  QLayout* top = MakeEntryBoxes();
  QLayout* looks = MakeLookPanels();
  const std::array<QGroupBox*, 5> options = MakeBuildOptionPanels();
  QGroupBox* years = MakeYearsPanel();
  QLayout* buttons = MakeButtons();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(looks);
  for (QGroupBox* panel : options) layout->addWidget(panel);
  layout->addWidget(years);
  layout->addLayout(buttons);
}

// The logo, and the school's name, code and year and the drive beside it.
QLayout* Form1::MakeEntryBoxes() {
  Picture1 = new QLabel(this);
  Picture1->setPixmap(QPixmap(":/ui/logo.png"));
  Picture1->setFixedSize(248, 60);

  Text1 = new QLineEdit(this);
  Text4 = new QLineEdit(this);
  vb::LimitTyping(Text4, 4);
  Text2 = new QLineEdit(this);
  vb::LimitTyping(Text2, 4);
  Text3 = new QLineEdit("C", this);
  vb::LimitTyping(Text3, 1);
  for (QLineEdit* box : {Text4, Text2, Text3}) box->setFixedWidth(60);

  auto* boxes = new QGridLayout;
  boxes->addWidget(WhiteLabel("School Name :", Text1, this), 0, 0);
  boxes->addWidget(Text1, 0, 1, 1, 3);
  boxes->addWidget(WhiteLabel("School Code:", Text4, this), 1, 0);
  boxes->addWidget(Text4, 1, 1);
  boxes->addWidget(WhiteLabel("What Year is it?:", Text2, this), 1, 2, Qt::AlignRight);
  boxes->addWidget(Text2, 1, 3);
  boxes->addWidget(WhiteLabel("Drive to install Orvane to :", Text3, this), 2, 2, Qt::AlignRight);
  boxes->addWidget(Text3, 2, 3);
  boxes->setColumnStretch(1, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(Picture1, 0, Qt::AlignTop);
  top->addSpacing(16);
  top->addLayout(boxes, 1);
  return top;
}

// The colour templates and the fonts, side by side.
QLayout* Form1::MakeLookPanels() {
  Option1 = new QRadioButton("Firestone");
  Option2 = new QRadioButton("Copper");
  Option3 = new QRadioButton("Mother of Pearl");
  Option4 = new QRadioButton("Midnight");
  Option1->setChecked(true);
  QGroupBox* themes = OptionRow("Orvane Colour Templates Available:", kLightBlue,
                                {Option1, Option2, Option3, Option4}, this);

  Option5 = new QRadioButton("Verdana");
  Option7 = new QRadioButton("Times New Roman");
  Option6 = new QRadioButton("Arial");
  Option6->setChecked(true);
  QGroupBox* fonts = OptionRow("Font Options: ", kLightBlue, {Option5, Option7, Option6}, this);

  auto* looks = new QHBoxLayout;
  looks->addWidget(themes, 4);
  looks->addWidget(fonts, 3);
  return looks;
}

// The panels of the build's options, top to bottom: images, folder names,
// page layout, evaluation section and writing portfolio.
std::array<QGroupBox*, 5> Form1::MakeBuildOptionPanels() {
  Option8 = new QRadioButton("Create a single shared image folder only");
  Option9 = new QRadioButton("Replicate all buttons in every student's folder");
  Option9->setChecked(true);
  QGroupBox* images =
      OptionRow("Button Image Creation Options : ", qRgb(255, 224, 192), {Option8, Option9}, this);

  Option10 = new QRadioButton("Use Generic Folder Names (not recommended)");
  Option11 = new QRadioButton("Name Folders according to imported data");
  Option11->setChecked(true);
  QGroupBox* naming = OptionRow("Folder Naming Options :", qRgb(192, 255, 255), {Option10, Option11}, this);

  Option12 = new QRadioButton("K-6 School Layout (12 Topics)");
  Option13 = new QRadioButton("High School Layout (Subject-based)");
  Option12->setChecked(true);
  QGroupBox* layouts = OptionRow("Student Pages Layout:", kLightBlue, {Option12, Option13}, this);

  QGroupBox* evaluation = Panel("Topic Evaluation Option:", qRgb(255, 192, 255), this);
  Check15 = new QCheckBox(
      "Check this box to insert a teacher and student evaluation section into each student's "
      "Topics pages",
      evaluation);
  Check15->setChecked(true);
  (new QVBoxLayout(evaluation))->addWidget(Check15);

  QGroupBox* portfolio = Panel("Student Writing Portfolio Option:", qRgb(255, 192, 128), this);
  Check16 = new QCheckBox(
      "Check this box to insert a Writing folder into each student's Orvane folder containing 6 "
      "writing templates",
      portfolio);
  Check16->setToolTip("Inserts the Writing Portfolio option automatically as Topic 12");
  Check16->setChecked(true);
  (new QVBoxLayout(portfolio))->addWidget(Check16);
  return {images, naming, layouts, evaluation, portfolio};
}

// The note on the years and a box for each year level, four to a column,
// with last year's link.
QGroupBox* Form1::MakeYearsPanel() {
  QGroupBox* years = Panel("Scholastic Years (Student Pages): ", qRgb(255, 255, 192), this);
  auto* note = new QLabel(kYearsNote, years);
  note->setWordWrap(true);
  auto* year_grid = new QGridLayout;
  for (size_t row = 0; row < year_boxes_.size(); ++row) {
    auto* box = new QCheckBox(QString::fromLatin1(YearLevelTable[row].caption), years);
    box->setEnabled(false);
    year_boxes_[row] = box;
    year_grid->addWidget(box, static_cast<int>(row % 4), static_cast<int>(row / 4));
  }
  Check17 = new QCheckBox("Include link to 2008 Orvane", years);
  Check17->setToolTip("Only check this if your school used Orvane in 2008...");
  year_grid->addWidget(Check17, 2, 3);
  auto* years_layout = new QVBoxLayout(years);
  years_layout->addWidget(note);
  years_layout->addLayout(year_grid);
  Check1 = year_boxes_[0]; Check2 = year_boxes_[1]; Check3 = year_boxes_[2];
  Check4 = year_boxes_[3]; Check5 = year_boxes_[4]; Check6 = year_boxes_[5];
  Check7 = year_boxes_[6]; Check8 = year_boxes_[7]; Check9 = year_boxes_[8];
  Check10 = year_boxes_[9]; Check11 = year_boxes_[10]; Check12 = year_boxes_[11];
  Check13 = year_boxes_[12]; Check14 = year_boxes_[13];
  return years;
}

// Install and Preview at the left, Exit at the right.
QLayout* Form1::MakeButtons() {
  Command1 = new QPushButton("&Install Ond's Orvane!", this);
  Command1->setToolTip("When ready, click here to build your new school intranet!");
  Command1->setEnabled(false);
  Command1->setAutoFillBackground(true);
  Colour(Command1, QPalette::Button, QColor(224, 224, 224));
  Command3 = new QPushButton(QIcon(":/ui/preview.png"), "&Preview the Template && Layout selected",
                             this);
  Command3->setToolTip(
      "This will show a non-working preview of a student page with your selected options...");
  Command2 = new QPushButton("E&xit", this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command1);
  buttons->addWidget(Command3);
  buttons->addStretch();
  buttons->addWidget(Command2);
  return buttons;
}

}  // namespace builder
