#include "calendar/ui/form1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/vb_error.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using calendar::Form1;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

using Boxes = std::vector<std::tuple<std::string, int, std::string>>;  // text, style, title

const std::string kConfirmation =
    "This will overwrite any existing Term Calendar you have for Term 1.  Are you ABSOLUTELY sure you want to "
    "do this?";
const std::string kSuccess =
    "A brand new Term Calendar for Term 1 has been created successfully.  You can view the calendar by "
    "clicking its link at the top of the Calendars webpage.  You can now create another Term Calendar if you "
    "wish, or quit this generator utility.";

std::string TextOf(const QComboBox* box) { return vb::FromQt(box->currentText()); }

// Picks an entry from a list, as a click on it does.
void Pick(QComboBox* box, const char* entry) {
  box->setCurrentIndex(box->findText(entry));
  emit box->activated(box->currentIndex());
}

// Term 1 of 2027, Monday 1 February to Friday 9 April, ready to generate.
void EnterTerm1Of2027(Form1& form) {
  form.Text1->setText("2027");
  form.Combo1->setEditText("Term 1");
  form.Combo4->setEditText("1");
  Pick(form.Combo2, "February");
  form.Combo5->setEditText("9");
  Pick(form.Combo3, "April");
}

// Year, term, first Monday's day and month, last Friday's day and month.
std::vector<std::string> Entries(const Form1& form) {
  return {vb::FromQt(form.Text1->text()), TextOf(form.Combo1), TextOf(form.Combo4),
          TextOf(form.Combo2),            TextOf(form.Combo5), TextOf(form.Combo3)};
}

// A window started in a site's calendar folder; its program folder is named
// as the running program names it (native, ending in "/").
class CalendarWindowTest : public ::testing::Test {
 protected:
  static std::string ProgramFolder(const fs::path& folder) { return vb::NativeToText(folder) + "/"; }
  static fs::path Made(const fs::path& folder) {
    fs::create_directories(folder);
    return folder;
  }

  Boxes Shown() const {
    Boxes boxes;
    for (const auto& box : messages_.shown()) boxes.emplace_back(box.text, box.style, box.title);
    return boxes;
  }

  testing_support::ScriptedMessages messages_;
  testing_support::TempDrives drives_;
  fs::path folder_ = Made(drives_.drive('D') / "orvane" / "calendar");
  Form1 form_{ProgramFolder(folder_)};
};

}  // namespace

TEST_F(CalendarWindowTest, StartUpTestsTheFolder) {
  form_.Form_Load();
  EXPECT_EQ(Entries(form_), (std::vector<std::string>{std::to_string(QDate::currentDate().year()), "Term 1", "1",
                                                      "[select one]", "1", "[select one]"}));
  EXPECT_TRUE(fs::is_regular_file(folder_ / "test.tmp"));
  fs::remove(folder_ / "test.tmp");
  fs::create_directory(folder_ / "test.tmp");
  EXPECT_THROW(Form1(ProgramFolder(folder_)).Form_Load(), vb::EndProgram);
  EXPECT_EQ(Shown(), (Boxes{{"You do not have write-access to the Term Calendar folder, therefore you cannot "
                             "create a new term calendar.  Click OK to quit.",
                             vb::vbExclamation, "Access Blocked"}}));
}

TEST_F(CalendarWindowTest, GenerateWaitsForAPickInBothMonthLists) {
  EXPECT_FALSE(form_.Command2->isEnabled());
  form_.show();
  Pick(form_.Combo2, "March");
  EXPECT_FALSE(form_.Command2->isEnabled());
  // A typed name is no pick, even when it is an entry's, and stays as typed
  // (no completion).
  for (const char* typed : {"april", "May"}) {
    form_.Combo3->clearEditText();
    QTest::keyClicks(form_.Combo3, typed);
    QTest::keyClick(form_.Combo3, Qt::Key_Return);
    EXPECT_EQ(TextOf(form_.Combo3), typed);
    EXPECT_FALSE(form_.Command2->isEnabled()) << typed;
  }
  Pick(form_.Combo3, "May");
  EXPECT_TRUE(form_.Command2->isEnabled());
}

// One refusal of each kind: the box it puts right, Generate, a beep and no message.
TEST_F(CalendarWindowTest, ARefusalResetsItsBoxAndBeeps) {
  const struct {
    QWidget* box;
    const char* typed;
    std::vector<std::string> entries;
    bool generate;
  } cases[] = {
      {form_.Combo2, "Febuary", {"2027", "Term 1", "1", "[select one]", "9", "April"}, false},
      {form_.Combo3, "February", {"2027", "Term 1", "1", "February", "9", "[select one]"}, false},
      {form_.Combo2, "May", {"2027", "Term 1", "1", "[select one]", "9", "[select one]"}, false},
      {form_.Text1, "2051", {"", "Term 1", "1", "February", "9", "April"}, true},
      {form_.Combo4, "32", {"2027", "Term 1", "", "February", "9", "April"}, true},
      {form_.Combo5, "31", {"2027", "Term 1", "1", "February", "", "April"}, true},
      {form_.Combo1, "Term 21", {"2027", "", "1", "February", "9", "April"}, true},
  };
  for (const auto& c : cases) {
    EnterTerm1Of2027(form_);
    if (auto* list = qobject_cast<QComboBox*>(c.box)) list->setEditText(c.typed);
    else form_.Text1->setText(c.typed);
    const int beeps = form_.Beeps();
    form_.Command2->click();
    EXPECT_EQ(Entries(form_), c.entries) << c.typed;
    EXPECT_EQ(form_.Command2->isEnabled(), c.generate) << c.typed;
    EXPECT_EQ(form_.Beeps(), beeps + 1) << c.typed;
  }
  EXPECT_TRUE(Shown().empty());
}

// No writes nothing; Yes writes the page; the window stays for the next term.
TEST_F(CalendarWindowTest, TheConfirmationDecides) {
  form_.Form_Load();
  EnterTerm1Of2027(form_);
  messages_.Answer(vb::vbNo);
  form_.Command2->click();
  EXPECT_FALSE(fs::exists(folder_ / "term1cal.htm"));
  form_.Command2->click();
  EXPECT_EQ(Shown(), (Boxes{{kConfirmation, vb::vbYesNo, "Are you Sure?"},
                            {kConfirmation, vb::vbYesNo, "Are you Sure?"},
                            {kSuccess, vb::vbInformation, "Success!"}}));
  EXPECT_NE(ReadFile(folder_ / "term1cal.htm").find("Week 10 - 5 April to 9 April"), std::string::npos);
  EXPECT_EQ(Entries(form_), (std::vector<std::string>{"2027", "Term 1", "1", "February", "9", "April"}));
}

// A page name that is no writable file, or a full disk: the error, no
// success, the old page as it was.
TEST_F(CalendarWindowTest, AFailedWriteKeepsTheOldPage) {
  fs::create_directory(folder_ / "term1cal.htm");
  form_.Form_Load();
  EnterTerm1Of2027(form_);
  form_.Command2->click();
  EXPECT_EQ(Shown(), (Boxes{{kConfirmation, vb::vbYesNo, "Are you Sure?"}, {"Error Code: 75 detected.", 0, ""}}));
  EXPECT_TRUE(fs::is_directory(folder_ / "term1cal.htm"));
}

TEST_F(CalendarWindowTest, AFailedWriteOnAFullDiskKeepsTheOldPage) {
  testing_support::SmallTmpfs disk(64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << "no tmpfs may be mounted here";
  WriteFile(disk.folder() / "term1cal.htm", "old page");
  Form1 on_full_disk(ProgramFolder(disk.folder()));
  on_full_disk.Form_Load();
  disk.FillLeaving(0);
  messages_.clear();
  EnterTerm1Of2027(on_full_disk);
  on_full_disk.Command2->click();
  EXPECT_EQ(std::get<0>(Shown().at(1)), "Error Code: 61 detected.");
  EXPECT_EQ(ReadFile(disk.folder() / "term1cal.htm"), "old page");
  EXPECT_EQ(std::distance(fs::directory_iterator(disk.folder()), fs::directory_iterator()), 3);
}
