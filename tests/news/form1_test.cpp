// The news window: its start-up roads, the walk through the submissions into
// browsing, and what each button leaves in the files.
#include "news/ui/form1.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <optional>

#include "common/bulletin_startup.h"
#include "common/tool_lock.h"
#include "platform/msgbox.h"
#include "platform/qt/multi_line_text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/vb_error.h"
#include "tests/news/news_fixture.h"
#include "tests/support/full_drive.h"
#include "tests/support/no_file_override.h"
#include "tests/support/page_text.h"

namespace fs = std::filesystem;
using news_test::kToolFolder;
using news_test::NewsSite;
using news_test::Records;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

const char kNoNewItems[] = "There are no new items of news to check.";
const char kNoNews[] = "There is no news in the database.  Please submit some news items first!";
const char kNotConfigured[] =
    "The server path for new item submissions has not yet been set.  You need to run the Submit News Utility "
    "to configure it first.  Click OK to quit.";
const char kAlreadyOpen[] = "The news tool is already open.  Close it before starting it again.";
const char kChecked[] = "All newly submitted news items have been checked.  Click OK to continue.";

std::string Waiting(int n) {
  return "There are " + std::to_string(n) +
         " new items of news to check.  Please go through each item and either Delete or Approve the item for "
         "publication.  You can make changes to each news item before approving it if required.";
}

class NewsWindowTest : public ::testing::Test {
 protected:
  // Makes the window and runs its start-up; false when start-up ended the program.
  bool Open() {
    form_ = std::make_unique<news::Form1>(kToolFolder);
    try {
      form_->Form_Load();
    } catch (const vb::EndProgram&) {
      return false;
    }
    return true;
  }
  std::string Title() const { return vb::FromQt(form_->Text1->text()); }
  std::string Position() const { return vb::FromQt(form_->Label7->text()); }
  bool Browsing() const { return form_->Command2->text() == "Create News Page!"; }

  NewsSite site_;
  std::unique_ptr<news::Form1> form_;
};

}  // namespace

TEST_F(NewsWindowTest, StartUpRoads) {
  struct Case {
    const char* what;
    std::function<void(NewsSite&)> prepare;
    std::vector<std::string> texts;
    bool runs;
    std::string title;  // of the item shown
    bool another_open = false;  // a news tool runs in the folder already
  } cases[] = {
      {"no ovnews.ini", [](NewsSite&) {}, {kNotConfigured}, false, ""},
      {"an empty ovnews.ini", [](NewsSite& s) { WriteFile(s.Tool("ovnews.ini"), ""); }, {kNotConfigured}, false,
       ""},
      {"a missing submissions folder", [](NewsSite& s) { s.WriteIni("D:\\orvane\\gone\\"); },
       {"Error Code: 76 detected during ini read."}, false, ""},
      {"test.tmp is a folder",
       [](NewsSite& s) {
         s.WriteIni();
         fs::create_directories(s.Tool("test.tmp"));
       },
       {common::kNewsTool.access_message}, false, ""},
      {"nothing submitted, no store", [](NewsSite& s) { s.WriteIni(); }, {kNoNewItems, kNoNews}, false, ""},
      {"a store of dead items only",
       [](NewsSite& s) {
         s.WriteIni();
         s.WriteSubmissions(Records("DD", "AB"));
         s.WriteStore(Records("DD", "CD"));
       },
       {kNoNewItems, kNoNews}, false, ""},
      {"a compacted store put back",
       [](NewsSite& s) {
         s.WriteIni();
         WriteFile(s.Tool("ovnews.new"), Records("11", "AB"));
       },
       {kNoNewItems}, true, "B"},
      {"a folder line without its backslash",
       [](NewsSite& s) {
         s.WriteIni("D:\\orvane\\news\\submit");
         s.WriteSubmissions(Records("D0 ", "ABC"));
       },
       {Waiting(2)}, true, "B"},
      {"the shipped samples",
       [](NewsSite& s) {
         const fs::path samples = fs::path(ORVANE_ASSETS_DIR) / "samples" / "news";
         fs::copy_file(samples / "ovnews.ini", s.Tool("ovnews.ini"));
         fs::copy_file(samples / "ovnewssub.dat", s.Submit("ovnewssub.dat"));
       },
       {Waiting(3)}, true, "Athletics carnival moved to Friday"},
      {"more submissions than 500", [](NewsSite& s) {
         s.WriteIni();
         s.WriteSubmissions(Records(std::string(501, '0'), std::string(501, 'W')));
       },
       {Waiting(501)}, true, "W"},
      {"a store this account may not write",
       [](NewsSite& s) {
         s.WriteIni();
         s.WriteStore(Records("1", "A"));
         fs::permissions(s.Tool("ovnews.dat"), fs::perms::owner_read | fs::perms::group_read);
       },
       {kNoNewItems, "Error Code: 70 detected during ini read."}, false, ""},
      {"another news tool open",
       [](NewsSite& s) {
         s.WriteIni();
         s.WriteSubmissions(Records("0", "A"));
         WriteFile(s.Tool("ovnews.new"), Records("1", "B"));
       },
       {kAlreadyOpen}, false, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    NewsSite site;
    c.prepare(site);
    std::optional<common::ToolLock> other;
    if (c.another_open) other.emplace(site.Tool("").string(), "ovnewsgen.lck");
    form_ = std::make_unique<news::Form1>(kToolFolder);
    // Root meets a read-only file as every member of staff does.
    testing_support::NoFileOverride as_staff;
    bool runs = true;
    try {
      form_->Form_Load();
    } catch (const vb::EndProgram&) {
      runs = false;
    }
    EXPECT_EQ(site.Texts(), c.texts);
    EXPECT_EQ(runs, c.runs);
    if (runs) {
      EXPECT_EQ(Title(), c.title);
    }
    if (c.another_open) {
      EXPECT_EQ(site.messages.shown()[0].title, "Sorry");
      EXPECT_EQ(site.messages.shown()[0].style, vb::vbCritical);
      EXPECT_TRUE(fs::exists(site.Tool("ovnews.new")));  // no store was touched
      EXPECT_FALSE(fs::exists(site.Tool("ovnews.dat")));
    }
  }
}

TEST_F(NewsWindowTest, StartUpBoxesAndTheCreatedFiles) {
  site_.WriteIni();
  EXPECT_FALSE(Open());
  ASSERT_EQ(site_.messages.shown().size(), 2u);
  for (const vb::MessageBoxRequest& box : site_.messages.shown()) {
    EXPECT_EQ(box.title, "No news. :(");
    EXPECT_EQ(box.style, vb::vbInformation);
  }
  EXPECT_TRUE(fs::exists(site_.Submit("ovnewssub.dat")));
  EXPECT_TRUE(fs::exists(site_.Tool("ovnews.dat")));
  EXPECT_EQ(ReadFile(site_.Tool("test.tmp")), "");
}

// Five submissions, two already processed: approve one (edited), keep one on
// a No, delete it on a Yes, approve the last; then browse the store.
TEST_F(NewsWindowTest, ChecksEverySubmissionThenBrowsesNewestFirst) {
  site_.WriteIni();
  site_.WriteSubmissions(Records("0D0D ", "ABCDE"));
  site_.WriteStore(Records("1", "S"));
  ASSERT_TRUE(Open());
  EXPECT_EQ(site_.Texts(), std::vector<std::string>{Waiting(3)});
  EXPECT_EQ(site_.messages.shown()[0].title, "News Items require checking");
  EXPECT_FALSE(Browsing());
  EXPECT_EQ(form_->Command2->text(), "Approve this Item");
  EXPECT_TRUE(form_->Label7->isHidden());
  EXPECT_TRUE(form_->Check1->isHidden());
  EXPECT_EQ(Title(), "A");
  EXPECT_EQ(vb::FromQt(form_->Label6->text()), "05/03/07");
  EXPECT_EQ(vb::FromQt(form_->Label10->text()), "10.0.0.1");

  form_->Text1->setText(QString::fromUtf8("A \u20ac\u6f22"));  // one "?" for what windows-1252 lacks
  form_->Text2->SetText("line one\r\nline two");
  form_->Command2_Click();
  EXPECT_EQ(Title(), "C");
  site_.messages.Answer(vb::vbNo);
  form_->Text1->setText("C edited");
  form_->Command3_Click();
  EXPECT_EQ(Title(), "C edited");  // a No changes nothing, not even the boxes
  form_->Command3_Click();
  EXPECT_EQ(Title(), "E");
  EXPECT_EQ(site_.messages.shown()[1].text, "Are you sure you want to delete this news submission?");
  EXPECT_EQ(site_.messages.shown()[1].title, "Verify");
  EXPECT_EQ(site_.messages.shown()[1].style, vb::vbYesNo);
  site_.messages.clear();
  form_->Command2_Click();

  EXPECT_EQ(site_.Texts(), std::vector<std::string>{kChecked});
  EXPECT_EQ(fs::file_size(site_.Submit("ovnewssub.dat")), 0u);
  EXPECT_EQ(NewsSite::Summary(site_.Store()), "1S 1A \x80? 1E");
  EXPECT_EQ(site_.Store()[1].body, "line one\r\nline two");
  EXPECT_EQ(site_.Store()[1].ip_address, "10.0.0.1");
  EXPECT_TRUE(Browsing());
  EXPECT_EQ(Title(), "E");
  EXPECT_EQ(Position(), "1 of 3");
  EXPECT_TRUE(form_->Check1->isChecked());

  struct Move {
    void (news::Form1::*button)();
    const char* position;
    const char* title;
  } moves[] = {
      {&news::Form1::Command6_Click, "1 of 3", "E"},  // newer than the newest
      {&news::Form1::Command7_Click, "2 of 3", "A \x80?"},
      {&news::Form1::Command5_Click, "3 of 3", "S"},
      {&news::Form1::Command7_Click, "3 of 3", "S"},  // older than the oldest
      {&news::Form1::Command4_Click, "1 of 3", "E"},
  };
  for (const Move& move : moves) {
    (form_.get()->*move.button)();
    EXPECT_EQ(Position(), move.position);
    EXPECT_EQ(Title(), move.title);
  }

  // Untick the newest and move on; delete the oldest: it stays in its place.
  form_->Check1->setChecked(false);
  form_->Command5_Click();
  form_->Command3_Click();
  EXPECT_EQ(Position(), "3 of 3");
  EXPECT_EQ(Title(), "This item has been deleted.");
  EXPECT_EQ(vb::FromQt(form_->Text3->text()), "");
  EXPECT_FALSE(form_->Check1->isChecked());
  form_->Check1->setChecked(true);  // a deleted item stays deleted
  form_->Command4_Click();
  form_->Command5_Click();
  EXPECT_EQ(Title(), "This item has been deleted.");
  EXPECT_EQ(NewsSite::Summary(site_.Store()), "DThis item has been deleted. 1A \x80? 0E");

  site_.messages.clear();
  EXPECT_THROW(form_->Command2_Click(), vb::EndProgram);
  EXPECT_EQ(site_.messages.shown().size(), 1u);
  EXPECT_EQ(site_.messages.shown()[0].title, "Success");
  EXPECT_EQ(NewsSite::Summary(site_.Store()), "1A \x80? 0E");
  const std::string page = ReadFile(site_.Tool("ovnews.htm"));
  EXPECT_NE(page.find("line one\r\nline two"), std::string::npos);
  EXPECT_EQ(testing_support::CrLfLines(page).size(), 115u + 13 + 1);
}

// Quit saves the submission on screen as it was edited, still waiting; one
// appended while the others were checked keeps the file from being emptied.
TEST_F(NewsWindowTest, WaitingSubmissionsAreNeverLost) {
  site_.WriteIni();
  site_.WriteSubmissions(Records("00", "AB"));
  ASSERT_TRUE(Open());
  form_->Command2_Click();
  form_->Text1->setText("B edited");
  EXPECT_THROW(form_->Command1_Click(), vb::EndProgram);
  EXPECT_EQ(NewsSite::Summary(site_.Submissions()), "D_ 0B edited");

  site_.messages.clear();
  ASSERT_TRUE(Open());
  EXPECT_EQ(site_.Texts(), std::vector<std::string>{Waiting(1)});
  WriteFile(site_.Submit("ovnewssub.dat"), ReadFile(site_.Submit("ovnewssub.dat")) + Records("0", "C"));
  form_->Command2_Click();
  EXPECT_TRUE(Browsing());
  EXPECT_EQ(NewsSite::Summary(site_.Submissions()), "D_ D_ 0C");
  EXPECT_EQ(NewsSite::Summary(site_.Store()), "1A 1B edited");

  // One still being written, too short yet to count as a record.
  site_.WriteSubmissions(Records("0", "D"));
  ASSERT_TRUE(Open());
  WriteFile(site_.Submit("ovnewssub.dat"),
            ReadFile(site_.Submit("ovnewssub.dat")) + Records("0", "E").substr(0, 300));
  form_->Command2_Click();
  EXPECT_EQ(fs::file_size(site_.Submit("ovnewssub.dat")), common::kNewsRecordLength + 300u);
}

// A file operation that fails after start-up ends the tool with its number;
// the approved item is appended before its submission is marked.
TEST_F(NewsWindowTest, AnErrorAfterStartUpEndsTheToolWithItsNumber) {
  site_.WriteIni();
  site_.WriteSubmissions(Records("0", "A"));
  ASSERT_TRUE(Open());
  site_.messages.clear();
  {
    testing_support::FullDrive full;
    EXPECT_THROW(form_->Command2_Click(), vb::EndProgram);
  }
  EXPECT_EQ(site_.Texts(), std::vector<std::string>{"Error Code: 61 detected."});
  EXPECT_EQ(site_.messages.shown()[0].style, vb::vbOKOnly);
  EXPECT_EQ(NewsSite::Summary(site_.Submissions()), "0A");
}
