#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/widgets.h"
#include "platform/vb_error.h"

TEST(QtText, ConvertsAtTheBoundary) {
  EXPECT_EQ(vb::ToQt("Zo\xEB \x80"), QString::fromUtf8("Zoë €"));
  EXPECT_EQ(vb::FromQt(QString::fromUtf8("Zoë € 中")), "Zo\xEB \x80 ?");
}

TEST(QtWidgets, TypingLimitLeavesProgramTextAlone) {
  QLineEdit box;
  vb::LimitTyping(&box, 2);
  box.show();
  QTest::keyClicks(&box, "123");
  EXPECT_EQ(box.text(), "12");
  box.setText("100");
  EXPECT_EQ(box.text(), "100");
}

TEST(QtWidgets, MultiLineBoxCountsALineBreakAsTwo) {
  vb::MultiLineTextBox box(6);
  box.show();
  QTest::keyClicks(&box, "abc");
  QTest::keyClick(&box, Qt::Key_Return);
  QTest::keyClicks(&box, "def");
  EXPECT_EQ(box.Text(), "abc\r\nd");
  box.SetText("1\r2\n3\r\n4\x80 too long");
  EXPECT_EQ(box.Text(), "1\r\n2\r\n3\r\n4\x80 too long");
}

// Without a box installed the guard's box goes to standard error, in UTF-8.
TEST(QtWidgetsDeathTest, TheEventGuardEndsTheProgramOnAnyEscape) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(vb::GuardEvent([] { vb::Raise(53, "/d/zo\xC3\xAB_x: No such file"); }),
              testing::ExitedWithCode(1), "Run-time error '53':\n\n/d/zo\xC3\xAB_x: No such file");
  EXPECT_EXIT(vb::GuardEvent([] { throw 42; }), testing::ExitedWithCode(1), "Run-time error");
  EXPECT_EXIT(vb::GuardEvent([] { vb::End(3); }), testing::ExitedWithCode(3), "");
}
