// The printable page: both layouts byte for byte, the link made of an item's
// first address, the run's error rule, and how the page file is replaced.
#include "common/printable_page.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/page_file.h"
#include "platform/msgbox.h"
#include "tests/support/error_of.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using common::LayoutKind;
using common::PageFile;
using testing_support::ErrorOf;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

std::string Golden(const char* name) {
  return ReadFile(fs::path(ORVANE_PAGES_DIR) / name);
}

}  // namespace

TEST(PrintablePage, ListLayoutLineByLine) {
  PageFile page("/unused/page.htm");
  page.Open();
  common::WritePrintablePageHead(page, "Title <b>&amp;</b>");
  common::WritePageFrameOpen(page, LayoutKind::ListLayout);
  common::WritePrintLinkRow(page, {"Hint one ", "second<br>", "third</font></td>"}, "&nbsp;",
                            LayoutKind::ListLayout);
  common::WriteItemTableOpen(page);
  common::WriteItemBlock(page, "First \x93item\x94", "Jo Bloggs", "05/03/07", "See http://x.org/a now");
  common::WriteItemBlock(page, "Second", "Al", "31/12/99", "plain\r\nsecond line",
                         {"      <table>", "      </table>"});
  common::WriteItemTableClose(page, "Generated.</p>");
  common::WritePageClose(page);
  EXPECT_EQ(page.Text(), Golden("list_page.htm"));
}

TEST(PrintablePage, CalendarLayoutLineByLine) {
  PageFile page("/unused/page.htm");
  page.Open();
  common::WritePrintablePageHead(page, "Orvane Term Calendar");
  common::WritePageFrameOpen(page, LayoutKind::CalendarLayout);
  common::WritePrintLinkRow(page, {"To update ", "this calendar<br>", "x</font></td>"},
                            "<b>Term 1 - 2027</b>", LayoutKind::CalendarLayout);
  page.Print("BODY LINE 1");
  page.Print("BODY LINE 2");
  common::WritePageClose(page, "NOTE: trailing");
  EXPECT_EQ(page.Text(), Golden("calendar_page.htm"));
}

TEST(PrintablePage, LinkFirstUrl) {
  const char* const cases[][2] = {
      {"no address here", "no address here"},
      {"", ""},
      {"HTTP://upper.org is not one", "HTTP://upper.org is not one"},
      {"http://a.org", "<a target=\"_blank\" href=\"http://a.org\">http://a.org</a>"},
      {"see http://a.org  then  ", "see <a target=\"_blank\" href=\"http://a.org\" > http://a.org</a>  then"},
      {"file://s/x then http://b.org/y",
       "file://s/x then <a target=\"_blank\" href=\"http://b.org/y\">http://b.org/y</a>"},
      {"file://s/x end", "<a target=\"_blank\" href=\"file://s/x\" > file://s/x</a> end"},
      {"http://a.org http://b.org",
       "<a target=\"_blank\" href=\"http://a.org\" > http://a.org</a> http://b.org"},
      {"http://a.org,\r\nnext word",
       "<a target=\"_blank\" href=\"http://a.org,\r\nnext\" > http://a.org,\r\nnext</a> word"},
      {"http://a.org/\"x", "<a target=\"_blank\" href=\"http://a.org/%22x\">http://a.org/\"x</a>"},
  };
  for (const auto& c : cases) EXPECT_EQ(common::LinkFirstUrl(c[0]), c[1]) << c[0];
}

TEST(PrintablePage, RunErrorRulePassesFileErrorsOverAndStopsOnOthers) {
  testing_support::ScriptedMessages messages;
  common::PageRunErrorRule rule;
  EXPECT_TRUE(rule.Step([] {}));
  EXPECT_FALSE(rule.Step([] { vb::Raise(61); }));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_THROW(rule.Step([] { vb::Raise(52); }), vb::EndProgram);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Error Code: 52 detected during refresh.");
  EXPECT_EQ(messages.shown()[0].style, vb::vbOKOnly);
  EXPECT_EQ(messages.shown()[0].title, "");
}

TEST(PageFile, ReplacesTheOldPageWholeKeepingItsMode) {
  testing_support::TempDrives drives;
  const fs::path old_page = drives.drive('D') / "old.htm";
  WriteFile(old_page, "old page");
  ::chmod(old_page.c_str(), 0640);
  for (const fs::path& path : {old_page, drives.drive('D') / "new.htm"}) {
    PageFile page(path.string());
    EXPECT_EQ(ErrorOf([&] { page.Print("x"); }), 52);
    page.Open();
    page.Print("line");
    page.Commit();
    EXPECT_EQ(ReadFile(path), "line\r\n");
  }
  struct stat st {};
  ::stat(old_page.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::stat((drives.drive('D') / "new.htm").c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
  EXPECT_EQ(std::distance(fs::directory_iterator(drives.drive('D')), fs::directory_iterator()), 2);
}

TEST(PageFile, RefusesANameThatIsNoWritableFile) {
  testing_support::TempDrives drives;
  const fs::path target = drives.drive('D') / "target.htm";
  WriteFile(target, "kept");
  const fs::path folder = drives.drive('D') / "folder.htm";
  fs::create_directory(folder);
  const fs::path link = drives.drive('D') / "link.htm";
  fs::create_symlink(target, link);
  const fs::path read_only = drives.drive('D') / "read-only.htm";
  WriteFile(read_only, "kept");
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);
  for (const fs::path& path : {folder, link, read_only}) {
    PageFile page(path.string());
    EXPECT_EQ(ErrorOf([&] { page.Open(); }), 75) << path;
    EXPECT_FALSE(page.IsOpen());
  }
  EXPECT_EQ(ReadFile(target), "kept");
  EXPECT_EQ(ReadFile(read_only), "kept");
}
