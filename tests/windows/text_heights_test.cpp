// Every window of the suite, made with the desktop's font and with a large
// one: no one-line box, caption or label is cut off, list boxes show the rows
// they show at 96 dots per inch, and controls placed by coordinates still
// neither overlap nor reach past their window; at a larger font no control is
// narrower, and no multi-line box shows fewer lines, than at 96 dots per inch.
// CTest runs these at 1, 1.25 and 1.5 times the default font.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "calendar/ui/form1.h"
#include "news/ui/form1.h"
#include "platform/qt/open_with_dialog.h"
#include "platform/qt/text_heights.h"
#include "subjects/ui/form3.h"
#include "tasks/ui/manager_form1.h"
#include "tasks/ui/manager_form2.h"
#include "tasks/ui/manager_form3.h"
#include "tasks/ui/manager_form4.h"
#include "tasks/ui/submitter_form1.h"
#include "tests/support/temp_drives.h"
#include "tests/tasks/task_folder.h"
#include "tests/topics/site_fixture.h"
#include "topics/startup.h"
#include "topics/ui/topics_window.h"

namespace {

// Whether a one-line box shows `text` whole from its first character.
bool ShowsWhole(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
  return box->cursorPositionAt(QPoint(box->width() - 3, box->height() / 2)) == text.size();
}

// A window of controls placed by coordinates whose captions are wider than
// their boxes: a label aligned right over a box, an option and a button.
std::unique_ptr<QWidget> PlacedCaptions() {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(80, 116);
  const auto place = [&](QWidget* control, const char* name, int y) {
    control->setObjectName(name);
    control->setGeometry(8, y, 64, 24);
  };
  auto* label = new QLabel("A caption aligned right", window.get());
  label->setAlignment(Qt::AlignRight);
  place(label, "Label1", 4);
  auto* box = new QLineEdit(window.get());
  label->setBuddy(box);
  place(box, "Text1", 30);
  place(new QRadioButton("A long option", window.get()), "Option1", 58);
  place(new QPushButton("A long button", window.get()), "Command1", 86);
  vb::FitTextSizes(window.get());
  return window;
}

// The rows a list box shows at its height, and the rows its size hint shows
// at 96 dots per inch.
int RowsShown(const QListView* list, int height) {
  return (height - 2 * list->frameWidth()) / list->fontMetrics().height();
}
int RowsAt96(const QListView* list) {
  return static_cast<int>((list->sizeHint().height() - 2 * list->frameWidth()) * vb::FontScale(list) /
                          list->fontMetrics().height());
}

QString Name(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  const auto* button = qobject_cast<const QAbstractButton*>(control);
  const QString text = label != nullptr ? label->text() : button != nullptr ? button->text() : QString();
  return control->objectName() + " " + text.left(24);
}

void ExpectFits(const char* window_name, QWidget* window) {
  window->show();
  QApplication::processEvents();
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window) || control->window() != window) continue;
    const std::string name = std::string(window_name) + ": " + Name(control).toStdString();
    EXPECT_GE(control->height(), vb::NeededHeight(control)) << name;
    EXPECT_GE(control->width(), vb::NeededWidth(control)) << name;
    // A list box is left as the window makes it at 96 dots per inch.
    auto* list = qobject_cast<const QListView*>(control);
    if (list != nullptr && vb::FontScale(list) > 1.0) {
      EXPECT_GE(RowsShown(list, list->height()), RowsAt96(list)) << name;
    }
  }
  if (window->layout() != nullptr) return;
  const auto placed = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* control : placed) {
    EXPECT_TRUE(window->rect().contains(control->geometry()))
        << window_name << ": " << Name(control).toStdString();
    for (QWidget* other : placed) {
      EXPECT_TRUE(other == control || !control->geometry().intersects(other->geometry()))
          << window_name << ": " << Name(control).toStdString() << " over " << Name(other).toStdString();
    }
  }
}

// The width of each control of `window`, shown, in the order it holds them,
// then the lines a multi-line box shows; 0 and 0 for a hidden one.
std::vector<int> Widths(QWidget* window) {
  window->show();
  QApplication::processEvents();
  std::vector<int> widths;
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    const bool shown = control->isVisibleTo(window);
    widths.push_back(shown ? control->width() : 0);
    const auto* box = qobject_cast<const QPlainTextEdit*>(control);
    const double inside = box != nullptr ? box->viewport()->height() - 2 * box->document()->documentMargin() : 0;
    widths.push_back(shown && box != nullptr ? static_cast<int>(inside / box->fontMetrics().lineSpacing()) : 0);
  }
  return widths;
}

// The widths, by window, that this test prints run at 96 dots per inch: the
// style draws frames and margins for the screen's dots per inch, not the font's.
constexpr char kPrintWidths[] = "ORVANE_PRINT_WIDTHS";
std::map<std::string, std::vector<int>> WidthsAt96() {
  QProcess run;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_FONT_DPI", "96");
  environment.insert(kPrintWidths, "1");
  run.setProcessEnvironment(environment);
  const char* test = testing::UnitTest::GetInstance()->current_test_info()->name();
  run.start(QApplication::applicationFilePath(), {QString("--gtest_filter=*.") + test});
  run.waitForFinished(-1);
  std::map<std::string, std::vector<int>> widths;
  for (const QByteArray& line : run.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() == 3) widths[fields[1].toStdString()].push_back(fields[2].toInt());
  }
  return widths;
}

// The text a control that takes input shows, or nothing for other controls.
std::optional<QString> InputText(const QWidget* control) {
  if (qobject_cast<const QComboBox*>(control->parentWidget()) != nullptr) return std::nullopt;
  if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (auto* list = qobject_cast<const QAbstractItemView*>(control)) {
    return list->currentIndex().data().toString();
  }
  if (auto* text = qobject_cast<const QPlainTextEdit*>(control)) return text->toPlainText();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) return spin->text();
  return std::nullopt;
}

// A screen reader speaks every input control by a name of its own: not empty,
// not the text it holds, and no other control's in its window.
void ExpectEveryInputNamed(const char* window_name, QWidget* window) {
  std::set<QString> names;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const std::optional<QString> text = InputText(control);
    if (!text || !control->isVisibleTo(window) || control->window() != window) continue;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    const QString name = spoken->text(QAccessible::Name);
    const std::string where =
        std::string(window_name) + ": " + control->objectName().toStdString() + " " + name.toStdString();
    EXPECT_FALSE(name.isEmpty()) << where;
    EXPECT_TRUE(name != *text) << where;
    EXPECT_TRUE(names.insert(name).second) << where;
    // Nor does a list take the text typed into it as its name.
    if (auto* list = qobject_cast<QComboBox*>(control); list != nullptr && list->isEditable()) {
      const QSignalBlocker quiet(list);
      list->setEditText("typed");
      EXPECT_TRUE(spoken->text(QAccessible::Name) == name) << where;
    }
  }
}

// Every window of the suite; a window placed by coordinates gives the size it
// is drawn at, and some controls their widths at 96 dots per inch. At a
// larger font no control is narrower than the same window's at that font's
// size at 96 dots per inch, and each window's own checks hold.
void ExpectEveryWindowFits(bool default_font) {
  const testing_support::TempDrives drives;
  const tasks_test::TaskFolder tasks_folder;
  const topics_test::SiteFixture site_fixture;
  tasks::TaskMailSettings mail_settings;
  const std::string program_folder = drives.drive('D').string() + "/";
  const struct {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    QSize drawn;
    std::vector<std::pair<const char*, int>> at96 = {};
    std::function<void(QWidget*)> check = [](QWidget*) {};
  } windows[] = {
      {"builder", [&] { return std::make_unique<builder::Form1>(program_folder, ""); }, {}},
      {"progress", [] { return std::make_unique<builder::Form2>(); }, {}},
      {"subject groups", [] { return std::make_unique<subjects::Form3>([] {}); }, {}},
      {"topics",
       [&] {
         topics::TopicsSite site;
         site.site_root = site_fixture.site_root();
         EXPECT_FALSE(topics::StartTopics(topics::Variant::kPrimary, site).has_value());
         return std::make_unique<topics::TopicsWindow>(topics::Variant::kPrimary, std::move(site));
       },
       {}},
      {"submitter",
       [&] {
         tasks_folder.Write("sites.txt", "Computer Room\r\nKindergarten\r\nYear 1 - 2 Block\r\n");
         auto form = std::make_unique<tasks::submitter::Form1>(tasks_folder.folder());
         form->Form_Load();
         return form;
       },
       {},
       {{"Combo1", 195}, {"Combo2", 195}, {"Text3", 267}},
       [](QWidget* window) {
         auto* sites = window->findChild<QComboBox*>("Combo1");
         for (int i = 0; i < sites->count(); ++i) {
           EXPECT_TRUE(ShowsWhole(sites->lineEdit(), sites->itemText(i))) << sites->itemText(i).toStdString();
         }
       }},
      {"manager",
       [&] { return std::make_unique<tasks::manager::Form1>(tasks_folder.folder()); },
       {},
       {{"Frame1", 497}, {"Option4", 114}}},
      {"password", [] { return std::make_unique<tasks::manager::Form2>(); }, {}},
      {"status", [] { return std::make_unique<tasks::manager::Form3>(); }, {}},
      {"mail preferences",
       [&] { return std::make_unique<tasks::manager::Form4>(mail_settings, tasks_folder.folder()); },
       {}},
      {"news",
       [&] { return std::make_unique<news::Form1>(program_folder); },
       {568, 349},
       {{"Text1", 484}, {"Text3", 132}},
       [](QWidget* window) {
         EXPECT_TRUE(ShowsWhole(window->findChild<QLineEdit*>("Text3"), "Ms Jane Horvath"));
       }},
      {"calendar", [&] { return std::make_unique<calendar::Form1>(program_folder); }, {}},
      {"chooser", [&] { return std::make_unique<vb::OpenWithDialog>(program_folder + "index.htm"); }, {}},
      {"placed captions", PlacedCaptions, {}, {},
       [](QWidget* window) {
         // A label aligned right grows to the left, so it still ends where
         // its box does; an option shows its caption whole, a button keeps
         // room on either side of its caption.
         const auto* label = window->findChild<QLabel*>("Label1");
         EXPECT_EQ(label->geometry().right(), window->findChild<QLineEdit*>("Text1")->geometry().right());
         const auto* option = window->findChild<QRadioButton*>("Option1");
         EXPECT_GE(option->width(), option->sizeHint().width());
         const auto* button = window->findChild<QPushButton*>("Command1");
         QStyleOptionButton frame;
         frame.initFrom(button);
         EXPECT_GT(button->style()->subElementRect(QStyle::SE_PushButtonContents, &frame, button).width(),
                   button->fontMetrics().horizontalAdvance(button->text()) + 1);
       }},
  };
  std::map<std::string, std::vector<int>> at_96;
  for (const auto& w : windows) {
    const std::unique_ptr<QWidget> window = w.make();
    ExpectFits(w.name, window.get());
    ExpectEveryInputNamed(w.name, window.get());
    const double scale = vb::FontScale(window.get());
    const std::vector<int> widths = Widths(window.get());
    for (size_t i = 0; qEnvironmentVariableIsSet(kPrintWidths) && i < widths.size(); ++i) {
      std::cout << kPrintWidths << "\t" << w.name << "\t" << widths[i] << std::endl;
    }
    if (scale > 1.0 && at_96.empty()) at_96 = WidthsAt96();
    const std::vector<int>& widths_at_96 = at_96[w.name];
    EXPECT_TRUE(scale == 1.0 || !widths_at_96.empty()) << w.name;
    for (size_t i = 0; scale > 1.0 && i < widths.size() && i < widths_at_96.size(); ++i) {
      EXPECT_GE(widths[i], widths_at_96[i])
          << w.name << ": " << Name(window->findChildren<QWidget*>()[i / 2]).toStdString();
    }
    if (!default_font) continue;
    w.check(window.get());
    for (const auto& [name, width] : w.at96) {
      const int now = window->findChild<QWidget*>(name)->width();
      EXPECT_TRUE(scale == 1.0 ? now == width : now >= width) << w.name << ": " << name << " " << now;
    }
    // At the font the windows are drawn for, what fits stays as drawn.
    if (w.drawn.isValid() && scale == 1.0) {
      EXPECT_EQ(window->size(), w.drawn) << w.name;
    }
  }
}

TEST(TextHeights, EveryTextFitsItsControlInEveryWindow) { ExpectEveryWindowFits(true); }

TEST(TextHeights, EveryBoxFitsItsFontInEveryWindow) {
  const QFont normal = QApplication::font();
  QFont large = normal;
  large.setPointSize(14);
  QApplication::setFont(large);
  ExpectEveryWindowFits(false);
  QApplication::setFont(normal);
}

}  // namespace
