// A whole build from the assembled program folder, with the real sorting
// library: the site it leaves must hang together.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "builder/install/build_driver.h"
#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "tests/builder/install/install_fixture.h"
#include "tests/builder/install/site_pages.h"

namespace {

namespace fs = std::filesystem;
using install_testing::CrLf;
using install_testing::kWrittenByTools;
using install_testing::LocalLinks;
using install_testing::RecordingWindow;
using testing_support::ReadFile;
using testing_support::WriteFile;

TEST(ShippedBuildTest, SiteFromTheProgramFolderHangsTogether) {
  testing_support::TempDrives drives("CD");
  testing_support::ScriptedMessages messages;
  const fs::path program = drives.root() / "program";
  if (!install_testing::CopyShippedProgram(program)) {
    GTEST_SKIP() << "the program folder is not assembled";
  }
  WriteFile(program / "year3.txt", CrLf({"Smith,John,3A", "adams,Zoe,3A", "Brown,Amy,3B"}));
  WriteFile(program / "kinder.txt", CrLf({"Ng,Lily,KB"}));
  WriteFile(drives.drive('D') / "label.dat", "x");
  setenv("ORVANE_OPEN_COMMAND", "true", 1);

  builder::BuildContext ctx;
  ctx.ProgramFolder = vb::NativeToText(program) + "/";
  ctx.LastYear = "2025";
  builder::PlainBuildSettings settings;
  settings.school_name = "Hillside Primary";
  settings.theme = 2;
  settings.levels[1] = settings.levels[4] = true;
  builder::NoProgressWindow progress;
  RecordingWindow window;
  builder::InstallServices services = builder::DefaultInstallServices();
  services.wait = [](std::chrono::milliseconds) {};

  builder::Command1_Click(ctx, settings, progress, window, services);
  unsetenv("ORVANE_OPEN_COMMAND");

  ASSERT_EQ(messages.shown().size(), 1u) << messages.shown()[0].text;
  EXPECT_EQ(messages.shown()[0].title, "Orvane Results");
  const fs::path site = drives.drive('D') / "orvane";
  for (std::string_view image : builder::SiteImageList) {
    EXPECT_EQ(ReadFile(site / "ovimages" / std::string(image)),
              ReadFile(program / "mop" / std::string(image)));
  }
  const std::string dat = ReadFile(site / "ovshrtct.dat");
  EXPECT_FALSE(fs::exists(site / "ovshrtct.srt"));
  EXPECT_EQ(ReadFile(site / "2026" / "ovshrtct.dat"), dat);
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = dat.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(dat.substr(at, end - at));
  }
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));

  for (const builder::TemplatePage& entry : builder::ColourFiles) {
    std::string folder(entry.folder);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    const std::string page = ReadFile(drives.drive('D') / folder.substr(1) / std::string(entry.page));
    EXPECT_EQ(page.find("#999966"), std::string::npos) << folder << entry.page;
  }
  EXPECT_NE(ReadFile(site / "index.htm").find("Hillside Primary"), std::string::npos);

  // Every local link and picture of every page names a file of the site, but
  // for last year's site and the tools' pages. The year's master pages and
  // the root's writing page are written for the folders they are copied into.
  std::set<std::string> broken;
  for (const auto& entry : fs::recursive_directory_iterator(site)) {
    const std::string relative = fs::relative(entry.path(), site).string();
    if (entry.path().extension() != ".htm" || relative == "writing.htm" ||
        relative.starts_with("2026/masterstudent/")) {
      continue;
    }
    for (const std::string& link : LocalLinks(ReadFile(entry.path()))) {
      if (link.find("2025/") != std::string::npos || kWrittenByTools.count(link) > 0) continue;
      if (!fs::exists(entry.path().parent_path() / link)) {
        broken.insert(relative + " -> " + link);
      }
    }
  }
  std::string list;
  for (const std::string& link : broken) list += "\n  " + link;
  EXPECT_TRUE(broken.empty()) << list;
}

}  // namespace
