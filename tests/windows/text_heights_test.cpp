// Every window of the suite, made with a large font: no one-line box, list
// or label is cut off, and controls placed by coordinates still neither
// overlap nor reach past their window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "calendar/ui/form1.h"
#include "news/ui/form1.h"
#include "platform/qt/open_with_dialog.h"
#include "subjects/ui/form3.h"
#include "tasks/ui/manager_form1.h"
#include "tasks/ui/manager_form2.h"
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

QString Name(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  return control->objectName() + " " + (label != nullptr ? label->text().left(24) : QString());
}

void ExpectFits(const char* window_name, QWidget* window) {
  window->show();
  QApplication::processEvents();
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window) || control->window() != window) continue;
    EXPECT_GE(control->height(), Needed(control)) << window_name << ": " << Name(control).toStdString();
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

TEST(TextHeights, EveryBoxFitsItsFontInEveryWindow) {
  const QFont normal = QApplication::font();
  QFont large = normal;
  large.setPointSize(14);
  QApplication::setFont(large);
  const testing_support::TempDrives drives;
  const tasks_test::TaskFolder tasks_folder;
  const topics_test::SiteFixture site_fixture;
  tasks::TaskMailSettings mail_settings;
  const std::string program_folder = drives.drive('D').string() + "/";
  const struct {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
  } windows[] = {
      {"builder", [&] { return std::make_unique<builder::Form1>(program_folder, ""); }},
      {"progress", [] { return std::make_unique<builder::Form2>(); }},
      {"subject groups", [] { return std::make_unique<subjects::Form3>([] {}); }},
      {"topics",
       [&] {
         topics::TopicsSite site;
         site.site_root = site_fixture.site_root();
         EXPECT_FALSE(topics::StartTopics(topics::Variant::kPrimary, site).has_value());
         return std::make_unique<topics::TopicsWindow>(topics::Variant::kPrimary, std::move(site));
       }},
      {"submitter", [&] { return std::make_unique<tasks::submitter::Form1>(tasks_folder.folder()); }},
      {"manager", [&] { return std::make_unique<tasks::manager::Form1>(tasks_folder.folder()); }},
      {"password", [] { return std::make_unique<tasks::manager::Form2>(); }},
      {"mail preferences",
       [&] { return std::make_unique<tasks::manager::Form4>(mail_settings, tasks_folder.folder()); }},
      {"news", [&] { return std::make_unique<news::Form1>(program_folder); }},
      {"calendar", [&] { return std::make_unique<calendar::Form1>(program_folder); }},
      {"chooser", [&] { return std::make_unique<vb::OpenWithDialog>(program_folder + "index.htm"); }},
  };
  for (const auto& w : windows) ExpectFits(w.name, w.make().get());
  QApplication::setFont(normal);
}

}  // namespace
