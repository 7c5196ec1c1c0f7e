#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <string>

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
  box.SetText("1\r2\n3\r\n4\x80\xA0 too long");
  EXPECT_EQ(box.Text(), "1\r\n2\r\n3\r\n4\x80\xA0 too long");
}

TEST(QtWidgets, AnOptionRunsItsHandlerOnceForEveryWayOfChoosingIt) {
  struct Case {
    const char* way;
    bool chosen_before;
    void (*choose)(QRadioButton* first, QRadioButton* second);
  };
  const Case cases[] = {
      {"mouse", false, [](QRadioButton*, QRadioButton* second) { QTest::mouseClick(second, Qt::LeftButton); }},
      {"keyboard", false,
       [](QRadioButton* first, QRadioButton*) {
         first->setFocus();
         QTest::keyClick(first, Qt::Key_Right);
       }},
      {"program", false, [](QRadioButton*, QRadioButton* second) { second->setChecked(true); }},
      {"assistive technology", false,
       [](QRadioButton*, QRadioButton* second) {
         QAccessible::queryAccessibleInterface(second)->actionInterface()->doAction(
             QAccessibleActionInterface::toggleAction());
       }},
      {"mouse on the chosen option", true,
       [](QRadioButton*, QRadioButton* second) { QTest::mouseClick(second, Qt::LeftButton); }},
  };
  for (const Case& c : cases) {
    QWidget window;
    auto* first = new QRadioButton("K-6", &window);
    auto* second = new QRadioButton("High School", &window);
    second->move(0, 40);
    (c.chosen_before ? second : first)->setChecked(true);
    int runs = 0;
    vb::OnChosen(second, [&runs] { ++runs; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    c.choose(first, second);
    EXPECT_TRUE(second->isChecked()) << c.way;
    EXPECT_EQ(runs, 1) << c.way;
  }
}

// A handler that handles pending events, as a long run does to repaint its
// window, starts no handler through them, its own included; a modal window
// it opens runs its own handlers; what it sets off from its code runs at once.
TEST(QtWidgets, WhileAHandlerRunsOnlyWhatItSetsOffItselfStarts) {
  const auto queue_click = [](QPushButton* button) {
    QMetaObject::invokeMethod(button, [button] { button->click(); }, Qt::QueuedConnection);
  };
  struct Case {
    const char* what;
    std::function<void(QWidget& window, QPushButton* own, QPushButton* other)> action;  // of `own`'s handler
    std::string ran;
  };
  std::string ran;
  const Case cases[] = {
      {"another control pressed meanwhile",
       [&](QWidget& window, QPushButton*, QPushButton* other) {
         queue_click(other);
         vb::RepaintNow(&window);
       },
       "A"},
      {"the same control pressed again meanwhile",
       [&](QWidget& window, QPushButton* own, QPushButton*) {
         queue_click(own);
         vb::RepaintNow(&window);
       },
       "A"},
      {"another control pressed by the handler's code",
       [](QWidget&, QPushButton*, QPushButton* other) { other->click(); }, "AB"},
      {"a modal window of its own over the window",
       [&](QWidget& window, QPushButton*, QPushButton* other) {
         QDialog dialog(&window);
         auto* button = new QPushButton("OK", &dialog);
         QObject::connect(button, &QPushButton::clicked, [&] {
           vb::RunEvent(&dialog, [&] {
             ran += "D";
             dialog.accept();
           });
         });
         queue_click(other);
         queue_click(button);
         QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
         dialog.exec();
       },
       "AD"},
  };
  for (const Case& c : cases) {
    ran.clear();
    QWidget window;
    auto* own = new QPushButton("A", &window);
    auto* other = new QPushButton("B", &window);
    QObject::connect(own, &QPushButton::clicked, [&] {
      vb::RunEvent(&window, [&] {
        ran += "A";
        c.action(window, own, other);
      });
    });
    QObject::connect(other, &QPushButton::clicked, [&] { vb::RunEvent(&window, [&] { ran += "B"; }); });
    window.show();
    own->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, c.ran) << c.what;
  }
}

// Without a box installed the guard's box goes to standard error, in UTF-8.
TEST(QtWidgetsDeathTest, TheEventGuardEndsTheProgramOnAnyEscape) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(vb::GuardEvent([] { vb::Raise(53, "/d/zo\xC3\xAB_x: No such file"); }),
              testing::ExitedWithCode(1), "Run-time error '53':\n\n/d/zo\xC3\xAB_x: No such file");
  EXPECT_EXIT(vb::GuardEvent([] { throw 42; }), testing::ExitedWithCode(1), "Run-time error");
  EXPECT_EXIT(vb::GuardEvent([] { vb::End(3); }), testing::ExitedWithCode(3), "");
}
