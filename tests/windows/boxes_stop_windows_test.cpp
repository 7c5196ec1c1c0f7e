// A box on screen stops the window behind it: the window's controls, reached
// meanwhile (as an assistive tool reaches them), run no handler and keep
// what they hold.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "calendar/ui/form1.h"
#include "news/ui/form1.h"
#include "platform/msgbox.h"
#include "platform/qt/event_gate.h"
#include "tasks/task_password.h"
#include "tasks/ui/manager_form1.h"
#include "tests/news/news_fixture.h"
#include "tests/support/scripted_messages.h"
#include "tests/tasks/task_folder.h"

namespace {

using news_test::NewsSite;
using news_test::Records;

// Presses an option or check box as an assistive tool does.
void PressAccessibly(QAbstractButton* control) {
  QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
      QAccessibleActionInterface::toggleAction());
}

int FailuresSoFar() { return testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count(); }

TEST(BoxOverAWindow, TheWindowsControlsDoNothingWhileItShows) {
  const tasks_test::TaskFolder tasks_folder;
  const testing_support::ScriptedMessages task_messages;
  NewsSite news;
  const std::string all_complete = tasks_test::StoreOfStatuses("00");
  const std::string two_open = tasks_test::StoreOfStatuses("11");
  std::unique_ptr<tasks::manager::Form1> manager;
  std::unique_ptr<news::Form1> news_window;
  std::unique_ptr<calendar::Form1> calendar_window;
  std::unique_ptr<builder::Form1> builder_window;
  const auto open_manager = [&](const std::string& store) {
    tasks_folder.Write("ovtask.dat", store);
    tasks_folder.Write("ovtaskpw.dat", tasks::PasswordFileImage("Sesame"));
    manager = std::make_unique<tasks::manager::Form1>(tasks_folder.folder());
  };
  const auto load_manager = [&] {
    manager->Form_Load({[] { return std::string("unused"); }, [] { return std::string("sesame"); }});
  };
  const auto store_kept = [&] {
    EXPECT_EQ(tasks_folder.Read("ovtask.dat"), all_complete);
    EXPECT_FALSE(std::filesystem::exists(tasks_folder.file("ovtask.htm")));
  };
  const struct {
    const char* what;
    const char* box;  // the title of the box over the window
    std::function<void()> open;   // makes the window
    std::function<void()> press;  // what reaches the window while the box shows
    std::function<void()> run;    // brings the box up, and goes on after it
    std::function<void()> check;
  } cases[] = {
      {"the manager's start-up over a store of complete tasks only", "No More Incompletes",
       [&] { open_manager(all_complete); },
       [&] {
         manager->Command2->click();
         manager->Command1->click();
       },
       load_manager, store_kept},
      {"the manager's window closed by code over its start-up box", "No More Incompletes",
       [&] { open_manager(all_complete); }, [&] { manager->close(); }, load_manager, store_kept},
      {"the manager's options behind its Verify box", "Verify",
       [&] {
         open_manager(two_open);
         news.messages.Answer(vb::vbNo);
       },
       [&] {
         PressAccessibly(manager->Option6);
         PressAccessibly(manager->Check1);
         PressAccessibly(manager->Option1);
       },
       [&] {
         load_manager();
         manager->Command3->click();
         EXPECT_TRUE(manager->Option3->isChecked() && manager->Check1->isChecked());
         EXPECT_TRUE(manager->Option2->isChecked() && !manager->Option1->isChecked());
         manager->Command6->click();
       },
       [&] { EXPECT_EQ(tasks_folder.Read("ovtask.dat"), two_open); }},
      {"the news tool's last approval", "Checking complete",
       [&] {
         news.WriteIni();
         news.WriteSubmissions(Records("00", "AB"));
         news_window = std::make_unique<news::Form1>(news_test::kToolFolder);
         news_window->Form_Load();
       },
       [&] { news_window->Command2->click(); },
       [&] {
         news_window->Command2->click();
         news_window->Command2->click();
       },
       [&] { EXPECT_EQ(NewsSite::Summary(news.Store()), "1A 1B"); }},
      {"the news tool's approval box behind its Verify box", "Verify",
       [&] {
         news.WriteStore(Records("11", "AB"));
         news.WriteSubmissions("");
         news.messages.Answer(vb::vbNo);
         news_window = std::make_unique<news::Form1>(news_test::kToolFolder);
         news_window->Form_Load();
       },
       [&] { PressAccessibly(news_window->Check1); },
       [&] {
         news_window->Command3->click();
         EXPECT_TRUE(news_window->Check1->isChecked());
         news_window->Command7->click();
       },
       [&] { EXPECT_EQ(NewsSite::Summary(news.Store()), "1A 1B"); }},
      {"the calendar's last month chosen behind a box", "Wait",
       [&] {
         calendar_window = std::make_unique<calendar::Form1>(tasks_folder.folder());
         calendar_window->Combo2->setEditText("March");
         calendar_window->Combo3->setEditText("April");
       },
       [&] { calendar_window->Combo3->activated(3); },
       [&] { vb::MsgBox("Wait", vb::vbOKOnly, "Wait"); },
       [&] { EXPECT_FALSE(calendar_window->Command2->isEnabled()); }},
      {"a key that reaches a box while the build repaints its progress window", nullptr,
       [&] { builder_window = std::make_unique<builder::Form1>(tasks_folder.folder(), ""); }, [] {},
       [&] {
         const QString before = builder_window->Text1->text();
         vb::RunEvent(builder_window.get(), [&] {
           QCoreApplication::postEvent(builder_window->Text1,
                                       new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
           builder_window->ProgressForm().Repaint();
         });
         QCoreApplication::processEvents();  // dropped, not kept for later
         EXPECT_EQ(builder_window->Text1->text(), before);
       },
       [] {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.open();
    // A press that runs a handler here ends the tool (or breaks it): the run
    // is watched in a process of its own, which checks what it left.
    EXPECT_EXIT(
        {
          const vb::MessageBoxHandler answer = vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
            if (c.box != nullptr && box.title == c.box) c.press();
            return answer(box);
          });
          const int failures = FailuresSoFar();
          c.run();
          c.check();
          std::fputs(FailuresSoFar() > failures ? "changed" : "went on", stderr);
          std::exit(0);
        },
        testing::ExitedWithCode(0), "went on");
  }
}

}  // namespace
