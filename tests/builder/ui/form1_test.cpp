#include "builder/ui/form1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <ctime>

#include "subjects/core/subject_groups.h"
#include "subjects/ui/form3.h"
#include "tests/support/scripted_messages.h"

namespace builder {
namespace {

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    subjects::Groups() = subjects::SubjectGroups{};
    form_ = std::make_unique<Form1>(::testing::TempDir(), "");
    form_->show();
  }

  bool Enabled() const {
    EXPECT_EQ(form_->Command1->isEnabled(), form_->Command3->isEnabled());
    return form_->Command1->isEnabled();
  }

  // School name given and the Year 3 box enabled and ticked.
  void ReadyToInstall() {
    form_->Text1->setText("Hillside Primary");
    form_->Check5->setEnabled(true);
    form_->Check5->click();
  }

  // Types each character as a key press carrying its text, as a keyboard
  // of any layout sends it.
  void TypeDrive(const QString& keys) {
    form_->Text3->clear();
    for (const QChar c : keys) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(form_->Text3, &press);
    }
  }

  testing_support::ScriptedMessages messages_;
  std::unique_ptr<Form1> form_;
};

TEST_F(Form1Test, StartsAsTheUserExpects) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const int year = local.tm_year + 1900;

  EXPECT_EQ(form_->windowTitle(), "Ond's Orvane! - Student-Centered Intranets...");
  EXPECT_EQ(form_->Picture1->pixmap().size(), QSize(248, 60));
  EXPECT_FALSE(form_->Command3->icon().isNull());
  EXPECT_EQ(form_->Text2->text(), QString::number(year));
  EXPECT_EQ(form_->Check17->text(), QString("Include link to %1 Orvane").arg(year - 1));
  EXPECT_EQ(form_->Context().LastYear, std::to_string(year - 1));
  EXPECT_EQ(form_->Text3->text(), "C");
  EXPECT_FALSE(Enabled());
  EXPECT_TRUE(form_->Command2->isEnabled());
  for (int row = 0; row < 14; ++row) EXPECT_FALSE(form_->YearLevel(row));
  EXPECT_FALSE(form_->Check1->isEnabled());
  EXPECT_FALSE(form_->Check14->isEnabled());
  EXPECT_EQ(form_->Context().ProgramFolder.back(), '/');

  EXPECT_EQ(form_->Theme(), 0);
  EXPECT_EQ(form_->FontChoice(), 1);
  EXPECT_EQ(form_->ImagePlacement(), site::ImagePlacement::Replicated);
  EXPECT_EQ(form_->FolderNaming(), site::FolderNaming::FromNames);
  EXPECT_EQ(form_->PageLayout(), site::PageLayout::K6);
  EXPECT_TRUE(form_->EvaluationSection());
  EXPECT_TRUE(form_->WritingPortfolio());
  EXPECT_FALSE(form_->LastYearLink());
}

TEST_F(Form1Test, EveryBoxIsNamedAfterItsLabel) {
  const struct {
    QWidget* box;
    const char* name;
  } boxes[] = {
      {form_->Text1, "School Name :"},
      {form_->Text4, "School Code:"},
      {form_->Text2, "What Year is it?:"},
      {form_->Text3, "Drive to install Orvane to :"},
      {form_->GroupsForm().Text13, "Number of Topic Pages to be created in each subject group:"},
  };
  for (const auto& b : boxes) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b.box)->text(QAccessible::Name), b.name) << b.name;
  }
}

TEST_F(Form1Test, SettingsAreReadFromTheControls) {
  form_->Option4->click();
  form_->Option7->click();
  form_->Option8->click();
  form_->Option10->click();
  form_->Text1->setText(QString::fromUtf8("Zoë's School "));
  form_->Text4->setText("0042");
  EXPECT_EQ(form_->Theme(), 3);
  EXPECT_EQ(form_->FontChoice(), 2);
  EXPECT_EQ(form_->ImagePlacement(), site::ImagePlacement::Shared);
  EXPECT_EQ(form_->FolderNaming(), site::FolderNaming::Generic);
  EXPECT_EQ(form_->SiteSchoolName(), "Zo\xEB's School ");
  EXPECT_EQ(form_->SiteSchoolCode(), "0042");
  form_->Option5->click();
  EXPECT_EQ(form_->FontChoice(), 0);
}

TEST_F(Form1Test, InstallFollowsTheRule) {
  ReadyToInstall();
  EXPECT_TRUE(Enabled());
  EXPECT_TRUE(form_->YearLevel(4));

  form_->Text1->setText("   ");
  EXPECT_TRUE(Enabled()) << "blanks count as a school name";
  form_->Text1->clear();
  EXPECT_FALSE(Enabled());
  form_->Text1->setText("Hillside Primary");
  EXPECT_TRUE(Enabled());

  for (const char* year : {"", "202", "20a6", " 202", "..\\x"}) {
    form_->Text2->setText(year);
    EXPECT_FALSE(Enabled()) << year;
  }
  form_->Text2->setText("2031");
  EXPECT_TRUE(Enabled());

  // Choices that are not part of the rule never change it.
  form_->Text4->clear();
  form_->Option3->click();
  form_->Option9->click();
  form_->Check15->click();
  form_->Check17->click();
  EXPECT_TRUE(Enabled());

  form_->Check5->click();
  EXPECT_FALSE(Enabled());
  form_->Check12->setEnabled(true);
  form_->Check12->click();
  EXPECT_TRUE(Enabled());
}

TEST_F(Form1Test, DriveBoxKeepsOneCapitalLetterCToZ) {
  ReadyToInstall();
  TypeDrive("d");
  EXPECT_EQ(form_->Text3->text(), "D");
  EXPECT_TRUE(Enabled());
  TypeDrive("z");
  EXPECT_EQ(form_->Text3->text(), "Z");
  EXPECT_TRUE(Enabled());

  for (const QString& keys : {QString("a"), QString("B"), QString("1"), QString(" "),
                              QString::fromUtf8("ß"), QString::fromUtf8("ö")}) {
    TypeDrive(keys);
    EXPECT_EQ(form_->Text3->text(), "") << keys.toStdString();
    EXPECT_FALSE(Enabled()) << keys.toStdString();
  }

  TypeDrive("ef");
  EXPECT_EQ(form_->Text3->text(), "E") << "one character can be typed";
  form_->Text3->setText("q");
  EXPECT_EQ(form_->Text3->text(), "Q");
  EXPECT_EQ(form_->TargetDriveLetter(), "Q");
}

// The subject layout waits for its groups: choosing it shows their window
// and refreshes nothing; the window's refresh, on leaving it or by Refresh,
// decides, and its result stands through K-6 and back.
TEST_F(Form1Test, SubjectLayoutWaitsForTheGroupsWindow) {
  ReadyToInstall();
  subjects::Form3& groups_window = form_->GroupsForm();
  auto activate = [](QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
  };

  form_->Check16->click();
  EXPECT_FALSE(form_->WritingPortfolio());
  form_->Option13->click();
  EXPECT_TRUE(groups_window.isVisible());
  EXPECT_FALSE(form_->Check16->isChecked());
  EXPECT_FALSE(form_->Check16->isEnabled());
  EXPECT_EQ(form_->PageLayout(), site::PageLayout::Subject);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(subjects::Groups().SubjectGroupCount, 0);
  EXPECT_FALSE(Enabled());

  ASSERT_TRUE(activate(&groups_window));
  ASSERT_TRUE(activate(form_.get()));
  EXPECT_EQ(subjects::Groups().SubjectGroupCount, 10) << "leaving the window refreshes it";
  EXPECT_TRUE(Enabled());

  form_->Option12->click();
  EXPECT_FALSE(groups_window.isVisible());
  EXPECT_TRUE(form_->Check16->isChecked());
  EXPECT_TRUE(form_->Check16->isEnabled());
  EXPECT_EQ(subjects::Groups().SubjectGroupCount, 0);
  EXPECT_TRUE(Enabled());

  // Chosen as a screen reader chooses it, the layout runs its handler all the same.
  QAccessibleInterface* option = QAccessible::queryAccessibleInterface(form_->Option13);
  ASSERT_NE(option, nullptr);
  option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(form_->PageLayout(), site::PageLayout::Subject);
  EXPECT_TRUE(groups_window.isVisible());
  EXPECT_FALSE(form_->Check16->isEnabled());
  EXPECT_EQ(subjects::Groups().SubjectGroupCount, 0);
  EXPECT_TRUE(Enabled()) << "the groups confirmed before still stand";

  // Entries typed before hiding survive; the window's own refresh applies
  // the main window's rule.
  EXPECT_EQ(groups_window.Text9->text(), "Music");
  groups_window.Text10->clear();
  groups_window.Command1->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].title, "Problem:");
  EXPECT_FALSE(Enabled());
  groups_window.Text10->setText("Drama");
  groups_window.Command1->click();
  EXPECT_TRUE(Enabled());

  form_->Option12->click();
  form_->Check16->click();
  ASSERT_FALSE(form_->Check16->isChecked());
  form_->Option12->click();
  EXPECT_TRUE(form_->Check16->isChecked()) << "choosing K-6 again ticks it anew";

  form_->Option13->click();
  groups_window.close();
  form_->Option13->click();
  EXPECT_TRUE(groups_window.isVisible()) << "choosing the subject layout again reopens it";
}

}  // namespace
}  // namespace builder
