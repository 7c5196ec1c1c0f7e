#include "subjects/ui/form3.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "subjects/core/subject_groups.h"
#include "tests/support/scripted_messages.h"

namespace subjects {
namespace {

class Form3Test : public ::testing::Test {
 protected:
  void SetUp() override { Groups() = SubjectGroups{}; }

  testing_support::ScriptedMessages messages_;
  int rule_runs_ = 0;
  Form3 form_{[this] { ++rule_runs_; }};
};

TEST_F(Form3Test, TypedNinetyNineBecomesTwelve) {
  form_.show();
  form_.Text13->clear();
  QTest::keyClicks(form_.Text13, "999");
  EXPECT_EQ(form_.Text13->text(), "99");
  form_.Command1->click();
  EXPECT_EQ(form_.Text13->text(), "12");
  EXPECT_EQ(Groups().TopicsPerGroup, 12);
  EXPECT_TRUE(Groups().SubjectGroupsReady);
  EXPECT_EQ(Groups().SubjectGroupCount, 10);
  EXPECT_EQ(rule_runs_, 1);
  EXPECT_TRUE(messages_.shown().empty());
}

// The refresh's rules are tested on their own; here, that the window shows
// its outcome: rows closed up with their folder names, the count as taken,
// and a refused refresh's message box with the rows left as typed.
TEST_F(Form3Test, RefreshShowsItsOutcomeInTheRows) {
  form_.Text1->setText("  English  ");
  form_.Text2->clear();
  form_.Text3->setText("P.E./Health");
  for (QLineEdit* box : {form_.Text4, form_.Text5, form_.Text6, form_.Text7, form_.Text8, form_.Text9}) {
    box->clear();
  }
  form_.Text10->setText("Music");
  form_.Text12->setText("Art & Design");
  form_.Text13->setText("7.");
  form_.Command1->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(Groups().SubjectGroupCount, 4);
  const QLineEdit* boxes[] = {form_.Text1, form_.Text2, form_.Text3, form_.Text4, form_.Text5};
  const QLabel* labels[] = {form_.Label1, form_.Label2, form_.Label3, form_.Label4, form_.Label5};
  const char* names[] = {"English", "P.E./Health", "Music", "Art & Design", ""};
  const char* folders[] = {"english", "pehealth", "music", "art&desig", ""};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(boxes[k]->text(), names[k]);
    EXPECT_EQ(labels[k]->text(), folders[k]);
  }
  EXPECT_EQ(form_.Text12->text(), "");
  EXPECT_EQ(form_.Text13->text(), "8");
  EXPECT_EQ(rule_runs_, 1);

  form_.Text2->setText(" Mathematics Advanced");
  form_.Text3->setText("Mathematics Extension");
  form_.Command1->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].title, "Problem:");
  EXPECT_EQ(messages_.shown()[0].style, 16);
  EXPECT_EQ(messages_.shown()[0].text,
            "There MUST be a different folder name for every Subject Group.");
  EXPECT_EQ(form_.Text2->text(), " Mathematics Advanced");
  EXPECT_EQ(form_.Label2->text(), "mathematics");
  EXPECT_EQ(form_.Label3->text(), "mathematics");
  EXPECT_FALSE(Groups().SubjectGroupsReady);
  EXPECT_EQ(rule_runs_, 2);
}

TEST_F(Form3Test, ClosedWindowComesBackWithItsDesignValues) {
  form_.show();
  form_.Text1->setText("Drama");
  form_.Text13->setText("6");
  form_.Command1->click();
  ASSERT_TRUE(Groups().SubjectGroupsReady);
  form_.close();
  EXPECT_EQ(form_.Text1->text(), "English");
  EXPECT_EQ(form_.Text11->text(), "");
  EXPECT_EQ(form_.Text13->text(), "4");
  EXPECT_EQ(form_.Label1->text(), "");
  EXPECT_EQ(Groups().SubjectGroupNames[1], "Drama") << "closing runs no refresh";
  EXPECT_EQ(rule_runs_, 1);
}

TEST_F(Form3Test, LeavingForAnotherBuilderWindowRefreshes) {
  QWidget main_window;
  main_window.show();
  auto activate = [](QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
  };
  form_.show();
  ASSERT_TRUE(activate(&form_));
  form_.Text10->clear();
  ASSERT_TRUE(activate(&main_window));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].title, "Problem:");
  EXPECT_FALSE(Groups().SubjectGroupsReady);
  EXPECT_EQ(rule_runs_, 1);

  form_.Text10->setText("TAS");
  ASSERT_TRUE(activate(&form_));
  EXPECT_EQ(rule_runs_, 1) << "coming back refreshes nothing";
  ASSERT_TRUE(activate(&main_window));
  EXPECT_TRUE(Groups().SubjectGroupsReady);
  EXPECT_EQ(rule_runs_, 2);

  ASSERT_TRUE(activate(&form_));
  const QPoint inside(5, 5);
  QContextMenuEvent right_click(QContextMenuEvent::Mouse, inside, form_.Text1->mapToGlobal(inside));
  QApplication::sendEvent(form_.Text1, &right_click);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::qWait(20);
  EXPECT_EQ(rule_runs_, 2) << "a name box's own menu is part of this window";
  menu->close();
  ASSERT_TRUE(activate(&form_));

  form_.hide();
  ASSERT_TRUE(activate(&main_window));
  EXPECT_EQ(rule_runs_, 2) << "hidden by the main window, it refreshes nothing";
}

}  // namespace
}  // namespace subjects
