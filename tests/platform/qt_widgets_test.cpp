#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "platform/qt/qt_text.h"
#include "platform/qt/widgets.h"

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
