#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "calendar/ui/form1.h"
#include "platform/qt/qt_text.h"
#include "tests/support/scripted_messages.h"

using calendar::Form1;
using testing_support::ScriptedMessages;

namespace {

std::string TextOf(const QComboBox* box) { return vb::FromQt(box->currentText()); }

class CalendarWindowTest : public ::testing::Test {
 protected:
  // Picks an entry from a list, as a click on it does.
  static void Pick(QComboBox* box, const char* entry) {
    const int index = box->findText(entry);
    ASSERT_GE(index, 0) << entry;
    box->setCurrentIndex(index);
    emit box->activated(index);
  }

  // Term 1 of 2027, Monday 1 February to Friday 9 April, ready to generate.
  void EnterTerm1Of2027() {
    form_.Text1->setText("2027");
    form_.Combo4->setEditText("1");
    Pick(form_.Combo2, "February");
    form_.Combo5->setEditText("9");
    Pick(form_.Combo3, "April");
  }

  // The six entries in the order Text1, Combo1, Combo4, Combo2, Combo5, Combo3.
  std::vector<std::string> Entries() const {
    return {vb::FromQt(form_.Text1->text()), TextOf(form_.Combo1), TextOf(form_.Combo4),
            TextOf(form_.Combo2),            TextOf(form_.Combo5), TextOf(form_.Combo3)};
  }

  ScriptedMessages messages_;
  Form1 form_;
};

}  // namespace

TEST_F(CalendarWindowTest, GenerateWaitsForAPickInBothMonthLists) {
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", "Term 1", "1", "[select one]", "1", "[select one]"}));
  EXPECT_FALSE(form_.Command2->isEnabled());
  // A typed name is no pick, and stays as typed (no completion).
  form_.show();
  form_.Combo3->clearEditText();
  QTest::keyClicks(form_.Combo3, "april");
  QTest::keyClick(form_.Combo3, Qt::Key_Return);
  EXPECT_EQ(TextOf(form_.Combo3), "april");
  EXPECT_FALSE(form_.Command2->isEnabled());
  form_.Combo3->setEditText("[select one]");
  Pick(form_.Combo2, "March");
  EXPECT_FALSE(form_.Command2->isEnabled());
  Pick(form_.Combo3, "May");
  EXPECT_TRUE(form_.Command2->isEnabled());
}

// One refusal of each kind: the box it puts right, Generate, a beep and no message.
TEST_F(CalendarWindowTest, ARefusalResetsItsBoxAndBeeps) {
  using F = Form1&;
  const struct {
    std::function<void(F)> change;
    std::vector<std::string> entries;
    bool generate;
  } cases[] = {
      {[](F f) { f.Combo2->setEditText("Febuary"); },
       {"2027", "Term 1", "1", "[select one]", "9", "April"}, false},
      {[](F f) { f.Combo3->setEditText("March"), f.Combo2->setEditText("March"); },
       {"2027", "Term 1", "1", "March", "9", "[select one]"}, false},
      {[](F f) { f.Combo2->setEditText("May"); },
       {"2027", "Term 1", "1", "[select one]", "9", "[select one]"}, false},
      {[](F f) { f.Text1->setText("2051"); }, {"", "Term 1", "1", "February", "9", "April"}, true},
      {[](F f) { f.Combo4->setEditText("32"); }, {"2027", "Term 1", "", "February", "9", "April"}, true},
      {[](F f) { f.Combo5->setEditText("31"); }, {"2027", "Term 1", "1", "February", "", "April"}, true},
      {[](F f) { f.Combo1->setEditText("Term 21"); }, {"2027", "", "1", "February", "9", "April"}, true},
  };
  int row = 0;
  for (const auto& c : cases) {
    EnterTerm1Of2027();
    form_.Combo1->setEditText("Term 1");
    c.change(form_);
    const int beeps = form_.Beeps();
    form_.Command2->click();
    EXPECT_EQ(Entries(), c.entries) << "row " << row;
    EXPECT_EQ(form_.Command2->isEnabled(), c.generate) << "row " << row;
    EXPECT_EQ(form_.Beeps(), beeps + 1) << "row " << row;
    ++row;
  }
  EXPECT_TRUE(messages_.shown().empty());
}
