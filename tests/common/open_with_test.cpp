#include "common/open_with.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/support/recording_opener.h"
#include "tests/support/temp_drives.h"

namespace {

using testing_support::TempDrives;
using testing_support::WriteFile;

class OpenWithTest : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("ORVANE_OPEN_COMMAND");
    common::SetOpenWithHelper(nullptr);
  }

  TempDrives drives{"D"};
};

TEST_F(OpenWithTest, HandsTheResolvedPathAsOneArgument) {
  // Without a helper, the opener is handed the file itself.
  const testing_support::RecordingOpener opener(drives.root());
  WriteFile(drives.drive('D') / "my site" / "index.htm", "x");
  common::OpenWithAssociatedProgram("Open", "D:\\my site\\index.htm", std::nullopt, std::nullopt, 1);
  // One argument, blanks and all.
  EXPECT_EQ(opener.Opened(), (drives.drive('D') / "my site" / "index.htm").string());
}

// The caller hands the file to its helper and goes on at once, starting no
// opener of its own, however long the opener would take.
TEST_F(OpenWithTest, HandsTheFileToTheHelperAndGoesOnAtOnce) {
  WriteFile(drives.drive('D') / "my site" / "index.htm", "x");
  const std::filesystem::path started = drives.root() / "opener-started";
  const std::filesystem::path opener = drives.root() / "late-failing.sh";
  WriteFile(opener, "#!/bin/sh\ntouch '" + started.string() + "'\nsleep 2\nexit 3\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  setenv("ORVANE_OPEN_COMMAND", opener.c_str(), 1);
  struct Case {
    const char* file;
    std::string handed;
  };
  const Case cases[] = {
      {"D:\\my site\\index.htm", (drives.drive('D') / "my site" / "index.htm").string()},
      {"D:\\my site\\missing.htm", (drives.drive('D') / "my site" / "missing.htm").string()},
      {"Q:\\unmapped\\index.htm", ""},
  };
  for (const Case& c : cases) {
    std::string handed;
    common::SetOpenWithHelper([&](const std::string& file, const std::string&) { handed = file; });
    const auto begun = std::chrono::steady_clock::now();
    common::OpenWithAssociatedProgram("Open", c.file, std::nullopt, std::nullopt, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(500)) << c.file;
    EXPECT_EQ(handed, c.handed) << c.file;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(std::filesystem::exists(started)) << "the caller started the opener itself";
}

TEST_F(OpenWithTest, NeverRaisesIntoTheCaller) {
  setenv("ORVANE_OPEN_COMMAND", (drives.root() / "no-such-opener").c_str(), 1);
  bool offered = false;
  common::SetOpenWithHelper([&](const std::string&, const std::string&) {
    offered = true;
    throw std::runtime_error("dialog failed");
  });
  WriteFile(drives.drive('D') / "index.htm", "x");
  EXPECT_NO_THROW(common::OpenWithAssociatedProgram("Open", "Q:\\unmapped\\index.htm", std::nullopt,
                                                    std::nullopt, 1));
  EXPECT_NO_THROW(common::OpenWithAssociatedProgram("Open", "D:\\index.htm", std::nullopt,
                                                    std::nullopt, 1));
  EXPECT_TRUE(offered);
}

}  // namespace
