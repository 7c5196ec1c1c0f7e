#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/error_of.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/vb_error.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::TempDrives;

using testing_support::ErrorOf;

TEST(Paths, DriveLettersMapToFoldersUnderTheRoot) {
  TempDrives drives("CD");
  EXPECT_EQ(vb::Resolve("D:\\orvane\\2026\\index.htm"), drives.drive('d') / "orvane/2026/index.htm");
  EXPECT_EQ(vb::Resolve("d:\\a\\\\b\\"), drives.drive('d') / "a/b");
  EXPECT_EQ(vb::Resolve("D:\\a\\..\\..\\b"), drives.drive('d') / "b");  // never above the drive
  EXPECT_EQ(ErrorOf([] { vb::Resolve("E:\\x"); }), 76);
  // A and B are drives too, never mapped: not names in the current folder.
  EXPECT_EQ(ErrorOf([] { vb::Resolve("A:\\x"); }), 76);
  EXPECT_EQ(ErrorOf([] { vb::Resolve("b:x"); }), 76);
  EXPECT_EQ(ErrorOf([] { vb::ChDrive("A:"); }), 76);
  EXPECT_EQ(vb::DriveOfNative(drives.drive('d') / "orvane"), 'D');
  EXPECT_FALSE(vb::DriveFolder('B').has_value());
}

TEST(Paths, CurrentDriveAndFoldersAreVirtual) {
  TempDrives drives("CD");
  fs::create_directories(drives.drive('d') / "orvane/2026");
  const fs::path cwd = fs::current_path();
  vb::ChDrive("D:");
  EXPECT_EQ(vb::Resolve("\\orvane\\x"), drives.drive('d') / "orvane/x");
  vb::ChDir("D:\\orvane\\2026");
  EXPECT_EQ(vb::Resolve("index.htm"), drives.drive('d') / "orvane/2026/index.htm");
  EXPECT_EQ(vb::CurDir(), "D:\\orvane\\2026");
  // A folder on another drive does not change the current drive.
  vb::ChDir("C:\\");
  EXPECT_EQ(vb::CurrentDrive(), 'D');
  EXPECT_EQ(vb::Resolve("C:a"), drives.drive('c') / "a");
  EXPECT_EQ(ErrorOf([] { vb::ChDir("D:\\missing"); }), 76);
  EXPECT_EQ(fs::current_path(), cwd);
}

TEST(Paths, NativePathsAndWindows1252Names) {
  TempDrives drives("D");
  const std::string native = drives.root().string() + "/prog/";
  EXPECT_EQ(vb::Resolve(native + "fire\\index.htm"), drives.root() / "prog/fire/index.htm");
  EXPECT_EQ(vb::Resolve("D:\\zo\xEB_x"), drives.drive('d') / "zo\xC3\xAB_x");
  vb::ChDrive("/");
  vb::ChDir(drives.root().string());
  EXPECT_EQ(vb::Resolve("d\\a"), drives.drive('d') / "a");
}

TEST(Paths, ExistingNamesAreFoundWhateverTheirCase) {
  TempDrives drives("C");
  fs::create_directories(drives.drive('c') / "OrvaneSetup");
  testing_support::WriteFile(drives.drive('c') / "OrvaneSetup/StudentsRecord.CSV", "x");
  EXPECT_EQ(vb::Resolve("C:\\orvanesetup\\studentsrecord.csv"),
            drives.drive('c') / "OrvaneSetup/StudentsRecord.CSV");
  EXPECT_EQ(vb::Resolve("C:\\orvanesetup\\new.txt"), drives.drive('c') / "OrvaneSetup/new.txt");
}

namespace {

// The names in a native folder, sorted.
std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void Write(const std::string& path, const std::string& line) {
  vb::LineWriter out(path);
  out.Print(line);
  out.Close();
}

}  // namespace

// Folders are remembered once found or made; what the layer itself makes,
// renames, copies and deletes keeps that memory true, and a name of another
// case is still found as Windows would.
TEST(Paths, RememberedFoldersFollowTheLayersOwnChanges) {
  TempDrives drives("D");
  const fs::path d = drives.drive('d');
  vb::MkDir("D:\\site");
  Write("D:\\site\\Page.htm", "one");
  Write("D:\\SITE\\PAGE.HTM", "two");
  vb::Kill("D:\\site\\page.htm");
  Write("D:\\site\\PAGE.HTM", "three");
  EXPECT_EQ(NamesIn(d / "site"), (std::vector<std::string>{"PAGE.HTM"}));
  EXPECT_EQ(testing_support::ReadFile(d / "site/PAGE.HTM"), "three\r\n");

  vb::Name("D:\\site\\page.htm", "D:\\site\\Moved.htm");
  EXPECT_FALSE(vb::FileExists("D:\\site\\PAGE.HTM"));
  vb::MkDir("D:\\site\\Sub");
  vb::FileCopy("D:\\site\\moved.htm", "D:\\site\\sub\\Moved.htm");
  testing_support::WriteFile(d / "src/Copy.htm", "copied");
  vb::CopyFolderContents("D:\\src", "D:\\site\\sub");
  Write("D:\\site\\SUB\\copy.HTM", "four");
  EXPECT_EQ(NamesIn(d / "site/Sub"), (std::vector<std::string>{"Copy.htm", "Moved.htm"}));
  EXPECT_EQ(testing_support::ReadFile(d / "site/Sub/Copy.htm"), "four\r\n");

  vb::Name("D:\\site\\Sub", "D:\\site\\Other");
  EXPECT_FALSE(vb::FolderExists("D:\\site\\sub"));
  EXPECT_EQ(ErrorOf([] { Write("D:\\site\\sub\\x.htm", "x"); }), 76);
  EXPECT_TRUE(vb::FileExists("D:\\site\\other\\MOVED.HTM"));

  // A folder copied into and then renamed away takes what was known below
  // it along; the folder renamed into its place is looked at afresh.
  testing_support::WriteFile(d / "next/Other/Page.htm", "page");
  vb::CopyFolderContents("D:\\site", "D:\\src");
  vb::Name("D:\\src", "D:\\old");
  vb::Name("D:\\next", "D:\\src");
  Write("D:\\src\\other\\page.htm", "five");
  EXPECT_EQ(NamesIn(d / "src/Other"), (std::vector<std::string>{"Page.htm"}));
  EXPECT_TRUE(vb::FileExists("D:\\src\\OTHER\\PAGE.HTM"));

  // A folder copied in beside one of another case of its name is, spelt as
  // written, the one found from then on.
  vb::MkDir("D:\\site\\Images");
  Write("D:\\site\\images\\a.txt", "a");
  testing_support::WriteFile(d / "art/images/logo.gif", "logo");
  vb::CopyFolderContents("D:\\art", "D:\\site");
  Write("D:\\site\\images\\b.txt", "b");
  EXPECT_EQ(NamesIn(d / "site/images"), (std::vector<std::string>{"b.txt", "logo.gif"}));
}

// What changes by other means is found again: a remembered folder that is
// gone is looked up afresh, and a path handed out of the layer may gain
// entries that are then looked for.
TEST(Paths, ChangesByOtherMeansAreFoundAgain) {
  TempDrives drives("D");
  const fs::path d = drives.drive('d');
  vb::MkDir("D:\\site");
  for (int i = 0; i < 3; ++i) Write("D:\\site\\p" + std::to_string(i) + ".htm", "x");
  fs::remove_all(d / "site");
  fs::create_directory(d / "site");
  Write("D:\\site\\page.htm", "new");
  EXPECT_EQ(testing_support::ReadFile(d / "site/page.htm"), "new\r\n");
  fs::remove_all(d / "site");
  testing_support::WriteFile(d / "SITE/Page.htm", "old");
  Write("D:\\site\\page.htm", "newer");
  EXPECT_EQ(NamesIn(d / "SITE"), (std::vector<std::string>{"Page.htm"}));
  EXPECT_EQ(testing_support::ReadFile(d / "SITE/Page.htm"), "newer\r\n");
  EXPECT_TRUE(vb::FileExists("D:\\site\\Page.htm"));
  EXPECT_EQ(vb::FileLen("D:\\site\\Page.htm"), 7);
  // A folder moved away keeps nothing written after it went.
  fs::rename(d / "SITE", d / "moved");
  fs::create_directory(d / "site");
  Write("D:\\site\\page.htm", "newest");
  EXPECT_EQ(testing_support::ReadFile(d / "moved/Page.htm"), "newer\r\n");
  EXPECT_EQ(testing_support::ReadFile(d / "site/page.htm"), "newest\r\n");
  // A name of another case that went by other means is not made again.
  vb::MkDir("D:\\kept");
  Write("D:\\kept\\Old.htm", "old");
  // A file that came by other means is replaced by a copy, as before.
  testing_support::WriteFile(d / "kept/Copy.htm", "theirs");
  testing_support::WriteFile(d / "src/Copy.htm", "ours");
  vb::CopyFolderContents("D:\\src", "D:\\kept");
  EXPECT_EQ(testing_support::ReadFile(d / "kept/Copy.htm"), "ours");
  fs::remove(d / "kept/Old.htm");
  Write("D:\\kept\\old.htm", "new");
  EXPECT_EQ(NamesIn(d / "kept"), (std::vector<std::string>{"Copy.htm", "old.htm"}));

  vb::MkDir("D:\\made");
  const fs::path handed_out = vb::Resolve("D:\\made\\Note.txt");
  testing_support::WriteFile(handed_out, "note");
  EXPECT_TRUE(vb::FileExists("D:\\made\\NOTE.TXT"));
  Write("D:\\made\\note.TXT", "kept in one file");
  EXPECT_EQ(NamesIn(d / "made"), (std::vector<std::string>{"Note.txt"}));
}
