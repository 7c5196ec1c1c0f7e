#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/drive_list_box.h"
#include "platform/qt/file_list_box.h"
#include "platform/qt/folder_list_box.h"
#include "platform/qt/qt_text.h"
#include "tests/support/scripted_messages.h"
#include "tests/topics/site_fixture.h"
#include "topics/copy_run.h"
#include "topics/startup.h"
#include "topics/ui/topics_combo.h"
#include "topics/ui/topics_window.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScriptedMessages;
using testing_support::WriteFile;
using topics::TopicsCombo;
using topics::Variant;
using topics_test::SiteFixture;

namespace {

std::vector<std::string> Items(const TopicsCombo* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i) items.push_back(vb::FromQt(combo->itemText(i)));
  return items;
}

class TopicsWindowTest : public ::testing::Test {
 protected:
  void Open(Variant variant) {
    ::setenv("ORVANE_OPEN_COMMAND", "true", 1);
    const bool subject = variant == Variant::kHighSchool;
    fixture_ = std::make_unique<SiteFixture>(subject ? topics_test::kSubjectIni : topics_test::kPrimaryIni,
                                             topics_test::kStudentList, subject);
    WriteFile(fixture_->root() / "notes.txt", "notes");
    WriteFile(fixture_->root() / "page.HTML", "page");
    WriteFile(fixture_->source("lessons/page.htm"), "new page");
    topics::TopicsSite site;
    site.site_root = fixture_->site_root();
    ASSERT_FALSE(topics::StartTopics(variant, site).has_value());
    window_ = std::make_unique<topics::TopicsWindow>(variant, std::move(site));
  }

  template <typename T>
  T* Get(const char* name) const {
    T* widget = window_->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QRadioButton* Option(const char* name) const { return Get<QRadioButton>(name); }
  TopicsCombo* Combo(const char* name) const { return Get<TopicsCombo>(name); }

  // Highlights a file in the file list with a click.
  void Highlight(const std::string& name) {
    window_->show();
    auto* files = Get<vb::FileListBox>("File1");
    const auto found = files->findItems(vb::ToQt(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    files->scrollToItem(found[0]);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
  }

  ScriptedMessages messages_;
  std::unique_ptr<SiteFixture> fixture_;
  std::unique_ptr<topics::TopicsWindow> window_;
};

}  // namespace

TEST_F(TopicsWindowTest, PrimaryStartsAsTheTableSays) {
  Open(Variant::kPrimary);
  EXPECT_EQ(window_->windowTitle(), "Ond's Orvane Topics Utility 2005 (K-6) v2.2");
  for (const char* name : {"Option9", "Option3", "Option1", "Option5"}) {
    EXPECT_TRUE(Option(name)->isChecked()) << name;
  }
  EXPECT_TRUE(Option("Option3")->isEnabled());
  for (const char* name : {"Option5", "Option6", "Option7", "Option11", "Option12"}) {
    EXPECT_FALSE(Option(name)->isEnabled()) << name;
  }
  EXPECT_EQ(Combo("Combo3")->Text(), "[select]");
  EXPECT_EQ(Items(Combo("Combo3")).size(), 20u);
  EXPECT_EQ(Items(Combo("Combo3")).back(), "topic20");
  EXPECT_EQ(Items(Combo("Combo1")), (std::vector<std::string>{"year3", "year4"}));
  EXPECT_EQ(Items(Combo("Combo2")), (std::vector<std::string>{"3b", "3c"}));
  EXPECT_EQ(Items(Combo("Combo4")), (std::vector<std::string>{"allstudents.csv"}));
  EXPECT_TRUE(Combo("Combo1")->isEnabled());
  EXPECT_FALSE(Combo("Combo2")->isEnabled());
  EXPECT_FALSE(Combo("Combo4")->isEnabled());
  EXPECT_FALSE(Get<QPushButton>("Command4")->isEnabled());
  EXPECT_EQ(Get<vb::DriveListBox>("Drive1")->Drive(), "d:");
  EXPECT_EQ(Get<vb::FolderListBox>("Dir1")->Path(), "D:\\orvane");
  EXPECT_EQ(Get<vb::FileListBox>("File1")->FileName(), "");
  EXPECT_EQ(Get<vb::FileListBox>("File1")->count(), 4);  // the 2026 folder is not listed
}

TEST_F(TopicsWindowTest, HighSchoolListsTopicsAndSubjectsInFileOrder) {
  Open(Variant::kHighSchool);
  EXPECT_EQ(window_->windowTitle(), "Ond's Orvane High School Topics Utility v2.2");
  EXPECT_EQ(Items(Combo("Combo3")),
            (std::vector<std::string>{"topic1", "topic2", "topic3", "topic4", "topic5", "topic6"}));
  EXPECT_EQ(Items(Combo("Combo5")), (std::vector<std::string>{"Mathematics", "Science"}));
  EXPECT_EQ(Combo("Combo5")->Text(), "[select]");
  EXPECT_EQ(window_->findChild<QRadioButton*>("Option5"), nullptr);
}

TEST_F(TopicsWindowTest, HighlightingAFileSetsTheCopyChoice) {
  Open(Variant::kPrimary);
  Highlight("notes.txt");
  EXPECT_EQ(window_->SelectedFilePath(), "D:\\orvane\\notes.txt");
  EXPECT_TRUE(Option("Option4")->isChecked());
  EXPECT_FALSE(Option("Option3")->isEnabled());
  EXPECT_FALSE(Combo("Combo3")->isEnabled());
  EXPECT_TRUE(Option("Option6")->isEnabled());

  Highlight("page.HTML");
  EXPECT_TRUE(Option("Option3")->isEnabled());
  EXPECT_TRUE(Option("Option4")->isChecked());

  Option("Option3")->click();
  EXPECT_TRUE(Combo("Combo3")->isEnabled());
  EXPECT_TRUE(Option("Option5")->isChecked());
  EXPECT_FALSE(Option("Option6")->isEnabled());

  // Folder mode forces a plain copy; file mode gives both choices back.
  Option("Option8")->click();
  EXPECT_TRUE(Option("Option4")->isChecked());
  EXPECT_FALSE(Option("Option3")->isEnabled() || Option("Option4")->isEnabled());
  EXPECT_FALSE(Get<vb::FileListBox>("File1")->isEnabled());
  EXPECT_TRUE(Option("Option7")->isEnabled());
  Option("Option9")->click();
  EXPECT_TRUE(Option("Option3")->isEnabled() && Option("Option4")->isEnabled());
  EXPECT_EQ(window_->SelectedFilePath(), "D:\\orvane\\page.HTML");

  // Another folder keeps the highlighted file.
  Get<vb::FolderListBox>("Dir1")->SetPath("D:\\orvane\\2026");
  EXPECT_EQ(window_->SelectedFilePath(), "D:\\orvane\\page.HTML");
  EXPECT_EQ(Get<vb::FileListBox>("File1")->FileName(), "");
}

TEST_F(TopicsWindowTest, OneDestinationBoxAtATime) {
  Open(Variant::kPrimary);
  Option("Option2")->click();
  EXPECT_TRUE(Combo("Combo2")->isEnabled());
  EXPECT_FALSE(Combo("Combo1")->isEnabled() || Combo("Combo4")->isEnabled());
  Option("Option10")->click();
  EXPECT_TRUE(Combo("Combo4")->isEnabled());
  EXPECT_FALSE(Get<QPushButton>("Command4")->isEnabled());  // still "[select]"
  Combo("Combo4")->lineEdit()->clear();
  QTest::keyClicks(Combo("Combo4")->lineEdit(), "group.csv");
  EXPECT_TRUE(Get<QPushButton>("Command4")->isEnabled());
  QTest::keyClick(Combo("Combo4")->lineEdit(), Qt::Key_Backspace);
  EXPECT_FALSE(Get<QPushButton>("Command4")->isEnabled());
  Option("Option1")->click();
  EXPECT_TRUE(Combo("Combo1")->isEnabled());
  EXPECT_FALSE(Combo("Combo4")->isEnabled() || Get<QPushButton>("Command4")->isEnabled());
}

// A drive that cannot be read, and the program's own folder gone, each give
// the message once and leave the program's drive chosen.
TEST_F(TopicsWindowTest, AnUnreadableDriveReturnsToTheProgramsFolder) {
  Open(Variant::kPrimary);
  auto* drives = Get<vb::DriveListBox>("Drive1");
  const char* unreadable = "The selected disk is either unavailable or cannot be read.";
  drives->SetDrive("c:");
  EXPECT_EQ(Get<vb::FolderListBox>("Dir1")->Path(), "C:\\");
  fs::remove_all(fixture_->source(""));
  drives->SetDrive("d:");
  drives->SetDrive("c:");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, unreadable);
  EXPECT_EQ(messages_.shown()[0].title, "Sorry");
  EXPECT_EQ(drives->Drive(), "d:");
  EXPECT_EQ(Get<vb::FolderListBox>("Dir1")->Path(), "D:\\orvane");

  fs::create_directories(fixture_->source(""));
  drives->SetDrive("c:");
  fs::remove_all(fixture_->root());
  messages_.clear();
  drives->SetDrive("d:");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, unreadable);
  EXPECT_EQ(drives->Drive(), "d:");
}

TEST_F(TopicsWindowTest, GoCopiesTheHighlightedPage) {
  Open(Variant::kPrimary);
  Get<vb::DriveListBox>("Drive1")->SetDrive("c:");
  Get<vb::FolderListBox>("Dir1")->SetPath("C:\\lessons");
  Highlight("page.htm");
  Combo("Combo3")->SetText("topic3");
  Combo("Combo1")->SetText("year4");
  Get<QPushButton>("Command1")->click();
  EXPECT_EQ(ReadFile(fixture_->student("year4", "3b", "jones_bea") / "topic3.htm"), "new page");
  EXPECT_EQ(vb::FromQt(Get<QLabel>("Label9")->text()), topics::kStatusHint);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[0].text,
            "You are about to overwrite topic3.htm for the whole of year4.  Are you sure you want to do this?");
}

TEST_F(TopicsWindowTest, ATypedSubjectIsNoPickedEntry) {
  Open(Variant::kHighSchool);
  TopicsCombo* subjects = Combo("Combo5");
  subjects->setCurrentIndex(1);
  emit subjects->activated(1);
  EXPECT_EQ(subjects->ListIndex(), 1);
  EXPECT_EQ(subjects->Text(), "Science");
  QTest::keyClick(subjects->lineEdit(), Qt::Key_Backspace);
  EXPECT_EQ(subjects->ListIndex(), -1);
}

TEST(TopicsCombo, SortsWithoutRegardToCase) {
  TopicsCombo combo(true);
  combo.SetText("[select]");
  for (const char* item : {"year2", "Year10", "kinder", "year1"}) combo.AddItem(item);
  EXPECT_EQ(Items(&combo), (std::vector<std::string>{"kinder", "year1", "Year10", "year2"}));
  EXPECT_EQ(combo.Text(), "[select]");
  EXPECT_EQ(combo.ListIndex(), -1);
}
