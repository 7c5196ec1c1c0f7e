// The drives that scripts/run prepares for a first try of the builder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "shipped_files.h"
#include "tests/support/temp_drives.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

int PrepareDrives(const fs::path& root) {
  const fs::path script = assets_test::AssetsDir().parent_path() / "scripts" / "prepare-drives";
  return std::system(("'" + script.string() + "' '" + root.string() + "'").c_str());
}

TEST(PrepareDrivesTest, DriveDCountsAsAvailableAndNothingThereIsReplaced) {
  testing_support::TempDrives drives("");
  const fs::path setup_export = drives.drive('C') / "orvanesetup" / "StudentsRecord.csv";
  const fs::path about = drives.drive('D') / "about-this-drive.txt";

  ASSERT_EQ(PrepareDrives(drives.root()), 0);
  EXPECT_EQ(ReadFile(setup_export), ReadFile(assets_test::AssetsDir() / "samples" / "StudentsRecord.csv"));
  // The builder's own test of a drive: its root lists something.
  EXPECT_EQ(vb::ListFolder("D:\\").size(), 1u);
  EXPECT_FALSE(ReadFile(about).empty());

  WriteFile(setup_export, "the school's own export");
  fs::remove(about);
  fs::create_symlink(drives.root() / "elsewhere.txt", about);
  ASSERT_EQ(PrepareDrives(drives.root()), 0);
  EXPECT_EQ(ReadFile(setup_export), "the school's own export");
  EXPECT_TRUE(fs::is_symlink(about));
  EXPECT_FALSE(fs::exists(drives.root() / "elsewhere.txt"));
}

}  // namespace
