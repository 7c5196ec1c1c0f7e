// Every window of the suite, made with the desktop's font and with a large
// one: no one-line box, caption or label is cut off, list boxes show the rows
// they show at 96 dots per inch, and controls placed by coordinates still
// neither overlap nor reach past their window. CTest runs these at 1, 1.25
// and 1.5 times the default font.
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
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <memory>
#include <optional>
#include <set>

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

// The height the text of a control needs, or 0 for other controls.
int Needed(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (!label->pixmap().isNull()) return 0;
    return label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
  }
  if (qobject_cast<const QComboBox*>(control) != nullptr) return control->sizeHint().height();
  if (qobject_cast<const QLineEdit*>(control) != nullptr &&
      qobject_cast<const QComboBox*>(control->parentWidget()) == nullptr) {
    return control->sizeHint().height();
  }
  return 0;
}

// The width a control's one-line caption needs, or 0 for other controls. A
// button's caption must fit inside its frame, a list's text inside its box.
int NeededWidth(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (!label->pixmap().isNull() || label->wordWrap() || label->text().isEmpty()) return 0;
    return label->sizeHint().width();
  }
  if (auto* button = qobject_cast<const QPushButton*>(control)) {
    if (button->text().isEmpty()) return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    const int inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + button->width() -
           inside;
  }
  if (auto* combo = qobject_cast<const QComboBox*>(control); combo != nullptr && combo->isEditable()) {
    return combo->fontMetrics().horizontalAdvance(combo->currentText()) + combo->width() -
           combo->lineEdit()->width();
  }
  if (qobject_cast<const QCheckBox*>(control) != nullptr ||
      qobject_cast<const QRadioButton*>(control) != nullptr) {
    return control->sizeHint().width();
  }
  return 0;
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
    EXPECT_GE(control->height(), Needed(control)) << name;
    EXPECT_GE(control->width(), NeededWidth(control)) << name;
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
// is drawn at.
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
         auto form = std::make_unique<tasks::submitter::Form1>(tasks_folder.folder());
         form->Form_Load();
         return form;
       },
       {}},
      {"manager", [&] { return std::make_unique<tasks::manager::Form1>(tasks_folder.folder()); }, {}},
      {"password", [] { return std::make_unique<tasks::manager::Form2>(); }, {}},
      {"status", [] { return std::make_unique<tasks::manager::Form3>(); }, {}},
      {"mail preferences",
       [&] { return std::make_unique<tasks::manager::Form4>(mail_settings, tasks_folder.folder()); },
       {}},
      {"news", [&] { return std::make_unique<news::Form1>(program_folder); }, {568, 349}},
      {"calendar", [&] { return std::make_unique<calendar::Form1>(program_folder); }, {}},
      {"chooser", [&] { return std::make_unique<vb::OpenWithDialog>(program_folder + "index.htm"); }, {}},
  };
  for (const auto& w : windows) {
    const std::unique_ptr<QWidget> window = w.make();
    ExpectFits(w.name, window.get());
    ExpectEveryInputNamed(w.name, window.get());
    // At the font the windows are drawn for, what fits stays as drawn.
    if (default_font && w.drawn.isValid() && vb::FontScale(window.get()) == 1.0) {
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
