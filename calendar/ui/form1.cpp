#include "calendar/ui/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <variant>

#include "calendar/term_calendar_page.h"
#include "calendar/term_weeks.h"
#include "common/bulletin_startup.h"
#include "platform/msgbox.h"
#include "platform/qt/accessible_names.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace calendar {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// An editable list whose typed text stays as typed (no completion): the
// checks see what the user typed, and only a pick from the list is a Click.
QComboBox* EditableList(const char* name, const QStringList& items, const char* text, QWidget* parent) {
  auto* box = Named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  // Left to itself, the box takes a typed entry's exact name, on Return or
  // when the typing ends, as a pick of that entry.
  QObject::disconnect(box->lineEdit(), &QLineEdit::returnPressed, box, nullptr);
  QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setEditText(text);
  return box;
}

QStringList DayList() {
  QStringList days;
  for (int day = 1; day <= 31; ++day) days << QString::number(day);
  return days;
}

QStringList MonthList() {
  QStringList months;
  for (int month = 1; month <= 12; ++month) months << MonthNames[month];
  return months;
}

// A date's frame: the day above the month.
void LayOutDate(QGroupBox* frame, QLabel* day_label, QComboBox* day, QLabel* month_label, QComboBox* month) {
  auto* grid = new QGridLayout(frame);
  grid->addWidget(day_label, 0, 0);
  grid->addWidget(day, 0, 1);
  grid->addWidget(month_label, 1, 0);
  grid->addWidget(month, 1, 1);
  day_label->setBuddy(day);
  month_label->setBuddy(month);
  // Both dates have a Day and a Month: the frame's caption tells them apart.
  vb::NameForScreenReaders(day, frame->title() + " Day");
  vb::NameForScreenReaders(month, frame->title() + " Month");
}

std::string TextOf(const QComboBox* box) { return vb::FromQt(box->currentText()); }

}  // namespace

Form1::Form1(const std::string& program_folder) : program_folder_(program_folder) {
  setObjectName("Form1");
  setWindowTitle("Orvane Term Calendar Generator");
  MakeControls();
  vb::FitTextSizes(this);
  connect(Combo2, &QComboBox::activated, this, vb::GuardedEvent(this, &Form1::Combo2_Click));
  connect(Combo3, &QComboBox::activated, this, vb::GuardedEvent(this, &Form1::Combo2_Click));
  connect(Command1, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form1::Command1_Click));
  connect(Command2, &QPushButton::clicked, this, vb::GuardedEvent(this, &Form1::Command2_Click));
}

void Form1::MakeControls() {
  Picture1 = Named(new QLabel(this), "Picture1");
  Picture1->setPixmap(QPixmap(":/calendar/logo.png"));
  Label2 = Named(new QLabel(
                     "This utility creates blank Term Calendars for use with Ond's Orvane.  It can only "
                     "create a calendar for one term at a time.  Enter the desired year, select the term and "
                     "specify the date for the starting Monday and the ending Friday of the term.  The new "
                     "HTML calendar will automatically be  generated.",
                     this),
                 "Label2");
  Label2->setWordWrap(true);
  Label2->setMinimumWidth(420);
  Label3 = Named(new QLabel("Year:", this), "Label3");
  Text1 = Named(new QLineEdit(this), "Text1");
  Text1->setMaximumWidth(80);
  Label4 = Named(new QLabel("Term:", this), "Label4");
  Combo1 = EditableList("Combo1", {"Term 1", "Term 2", "Term 3", "Term 4"}, "Term 1", this);

  Frame1 = Named(new QGroupBox("Date of MONDAY of first week:", this), "Frame1");
  Label5 = Named(new QLabel("Day:", Frame1), "Label5");
  Combo4 = EditableList("Combo4", DayList(), "1", Frame1);
  Label8 = Named(new QLabel("Month:", Frame1), "Label8");
  Combo2 = EditableList("Combo2", MonthList(), kSelectOne, Frame1);
  Frame2 = Named(new QGroupBox("Date of FRIDAY of last week:", this), "Frame2");
  Label6 = Named(new QLabel("Day:", Frame2), "Label6");
  Combo5 = EditableList("Combo5", DayList(), "1", Frame2);
  Label7 = Named(new QLabel("Month:", Frame2), "Label7");
  Combo3 = EditableList("Combo3", MonthList(), kSelectOne, Frame2);
  LayOutDate(Frame1, Label5, Combo4, Label8, Combo2);
  LayOutDate(Frame2, Label6, Combo5, Label7, Combo3);

  Command2 = Named(new QPushButton("&Generate!", this), "Command2");
  Command2->setEnabled(false);
  Command1 = Named(new QPushButton("&Quit", this), "Command1");

  auto* top = new QHBoxLayout;
  top->addWidget(Picture1, 0, Qt::AlignTop);
  top->addWidget(Label2, 1);
  auto* entries = new QHBoxLayout;
  entries->addWidget(Label3);
  entries->addWidget(Text1);
  entries->addSpacing(24);
  entries->addWidget(Label4);
  entries->addWidget(Combo1);
  entries->addStretch();
  Label3->setBuddy(Text1);
  Label4->setBuddy(Combo1);
  vb::NameForScreenReaders(Combo1, Label4->text());
  auto* dates = new QHBoxLayout;
  dates->addWidget(Frame1);
  dates->addWidget(Frame2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(entries);
  layout->addLayout(dates);
  layout->addLayout(buttons);
}

void Form1::Form_Load() {
  tool_folder_ = common::ToolFolderOf(program_folder_, false);
  Text1->setText(QString::number(QDate::currentDate().year()));
  common::CheckFolderWriteAccess(common::kCalendarTool, tool_folder_);
}

void Form1::Combo2_Click() {
  if (vb::Trim(TextOf(Combo2)) != kSelectOne && vb::Trim(TextOf(Combo3)) != kSelectOne) {
    Command2->setEnabled(true);
  }
}

void Form1::Command1_Click() { close(); }

void Form1::Command2_Click() { GenerateTermCalendar(); }

void Form1::GenerateTermCalendar() {
  const TermEntries entries{vb::FromQt(Text1->text()), TextOf(Combo1), TextOf(Combo4),
                            TextOf(Combo2),            TextOf(Combo5), TextOf(Combo3)};
  const std::variant<TermCalendar, Refusal> checked = CheckTermEntries(entries);
  if (const Refusal* refusal = std::get_if<Refusal>(&checked)) {
    Refuse(*refusal);
    return;
  }
  const TermCalendar& calendar = std::get<TermCalendar>(checked);
  if (vb::MsgBox("This will overwrite any existing Term Calendar you have for " + entries.term +
                     ".  Are you ABSOLUTELY sure you want to do this?",
                 vb::vbYesNo, "Are you Sure?") != vb::vbYes) {
    return;
  }
  try {
    WriteTermCalendarPage(tool_folder_, calendar);
  } catch (const vb::Error& error) {
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected."), vb::vbOKOnly);
    return;
  }
  vb::MsgBox("A brand new Term Calendar for " + entries.term +
                 " has been created successfully.  You can view the calendar by clicking its link at the "
                 "top of the Calendars webpage.  You can now create another Term Calendar if you wish, or "
                 "quit this generator utility.",
             vb::vbInformation, "Success!");
}

void Form1::Refuse(Refusal refusal) {
  switch (refusal) {
    case Refusal::kStartMonth:
      Combo2->setEditText(kSelectOne);
      Command2->setEnabled(false);
      break;
    case Refusal::kEndMonth:
      Combo3->setEditText(kSelectOne);
      Command2->setEnabled(false);
      break;
    case Refusal::kBothMonths:
      Combo3->setEditText(kSelectOne);
      Combo2->setEditText(kSelectOne);
      Command2->setEnabled(false);
      break;
    case Refusal::kYear: Text1->clear(); break;
    case Refusal::kStartDay: Combo4->clearEditText(); break;
    case Refusal::kEndDay: Combo5->clearEditText(); break;
    case Refusal::kTerm: Combo1->clearEditText(); break;
  }
  ++beeps_;
  QApplication::beep();
}

}  // namespace calendar
