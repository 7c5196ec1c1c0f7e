#include "common/open_with.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/recording_opener.h"
#include "tests/support/temp_drives.h"

namespace {

using testing_support::TempDrives;
using testing_support::WriteFile;

class OpenWithTest : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("ORVANE_OPEN_COMMAND");
    common::SetOpenWithChooser(nullptr);
  }

  TempDrives drives{"D"};
};

TEST_F(OpenWithTest, HandsTheResolvedPathAsOneArgument) {
  const testing_support::RecordingOpener opener(drives.root());
  bool chooser_called = false;
  common::SetOpenWithChooser([&](const std::string&) { chooser_called = true; });
  WriteFile(drives.drive('D') / "my site" / "index.htm", "x");
  common::OpenWithAssociatedProgram("Open", "D:\\my site\\index.htm", std::nullopt, std::nullopt, 1);
  // One argument, blanks and all.
  EXPECT_EQ(opener.Opened(), (drives.drive('D') / "my site" / "index.htm").string());
  EXPECT_FALSE(chooser_called);
}

TEST_F(OpenWithTest, OffersTheChooserWhenTheOpenerCannotOpenAnExistingFile) {
  WriteFile(drives.drive('D') / "orvane" / "index.htm", "x");
  const std::filesystem::path failing = drives.root() / "failing.sh";
  const std::filesystem::path lasting = drives.root() / "lasting.sh";
  WriteFile(failing, "#!/bin/sh\nexit 3\n");
  WriteFile(lasting, "#!/bin/sh\nsleep 3\nexit 3\n");  // a program still showing the file
  for (const auto& p : {failing, lasting}) {
    std::filesystem::permissions(p, std::filesystem::perms::owner_all);
  }
  struct Case {
    std::filesystem::path opener;
    const char* file;
    bool offered;
  };
  const Case cases[] = {
      {drives.root() / "no-such-opener", "D:\\orvane\\index.htm", true},
      {failing, "D:\\orvane\\index.htm", true},
      {failing, "D:\\orvane\\missing.htm", false},
      {lasting, "D:\\orvane\\index.htm", false},
  };
  for (const Case& c : cases) {
    setenv("ORVANE_OPEN_COMMAND", c.opener.c_str(), 1);
    std::string offered;
    common::SetOpenWithChooser([&](const std::string& file) { offered = file; });
    common::OpenWithAssociatedProgram("Open", c.file, std::nullopt, std::nullopt, 1);
    EXPECT_EQ(offered, c.offered ? (drives.drive('D') / "orvane" / "index.htm").string() : "")
        << c.opener << " " << c.file;
  }
}

TEST_F(OpenWithTest, NeverRaisesIntoTheCaller) {
  setenv("ORVANE_OPEN_COMMAND", (drives.root() / "no-such-opener").c_str(), 1);
  bool offered = false;
  common::SetOpenWithChooser([&](const std::string&) {
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
