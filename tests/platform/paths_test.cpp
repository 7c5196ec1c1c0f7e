#include <gtest/gtest.h>

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
