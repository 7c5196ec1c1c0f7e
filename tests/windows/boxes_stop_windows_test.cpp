// A box on screen stops the window behind it: the window's controls, reached
// meanwhile (as an assistive tool reaches them), run no handler.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "news/ui/form1.h"
#include "platform/msgbox.h"
#include "tasks/task_password.h"
#include "tasks/ui/manager_form1.h"
#include "tests/news/news_fixture.h"
#include "tests/support/scripted_messages.h"
#include "tests/tasks/task_folder.h"

namespace {

using news_test::NewsSite;
using news_test::Records;

TEST(BoxOverAWindow, TheWindowsControlsDoNothingWhileItShows) {
  const tasks_test::TaskFolder tasks_folder;
  const testing_support::ScriptedMessages task_messages;
  const NewsSite news;
  const std::string all_complete = tasks_test::StoreOfStatuses("00");
  std::unique_ptr<tasks::manager::Form1> manager;
  std::unique_ptr<news::Form1> news_window;
  const struct {
    const char* what;
    const char* box;  // the title of the box over the window
    // Makes the window and brings the box up; returns the buttons pressed
    // while the box shows.
    std::function<std::vector<QPushButton*>()> open;
    std::function<void()> run;  // brings the box up
    std::function<void()> check;
  } cases[] = {
      {"the manager's start-up over a store of complete tasks only", "No More Incompletes",
       [&] {
         tasks_folder.Write("ovtask.dat", all_complete);
         tasks_folder.Write("ovtaskpw.dat", tasks::PasswordFileImage("Sesame"));
         manager = std::make_unique<tasks::manager::Form1>(tasks_folder.folder());
         return std::vector<QPushButton*>{manager->Command2, manager->Command1};
       },
       [&] { manager->Form_Load({[] { return std::string("unused"); }, [] { return std::string("sesame"); }}); },
       [&] {
         EXPECT_EQ(tasks_folder.Read("ovtask.dat"), all_complete);
         EXPECT_FALSE(std::filesystem::exists(tasks_folder.file("ovtask.htm")));
       }},
      {"the news tool's last approval", "Checking complete",
       [&] {
         news.WriteIni();
         news.WriteSubmissions(Records("00", "AB"));
         news_window = std::make_unique<news::Form1>(news_test::kToolFolder);
         news_window->Form_Load();
         return std::vector<QPushButton*>{news_window->Command2};
       },
       [&] {
         news_window->Command2->click();
         news_window->Command2->click();
       },
       [&] { EXPECT_EQ(NewsSite::Summary(news.Store()), "1A 1B"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<QPushButton*> buttons = c.open();
    // A press that runs a handler here ends the tool (or breaks it): the run
    // is watched in a process of its own.
    EXPECT_EXIT(
        {
          const vb::MessageBoxHandler answer = vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
            if (box.title == c.box) {
              for (QPushButton* button : buttons) button->click();
            }
            return answer(box);
          });
          c.run();
          std::fputs("went on", stderr);
          std::exit(0);
        },
        testing::ExitedWithCode(0), "went on");
    c.check();
  }
}

}  // namespace
