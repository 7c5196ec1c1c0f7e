// The files a build replaces whole reach the disk before they take their
// place: the year's page, a rebuild's template pages and the settings file.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "builder/pages/page_writers.h"
#include "platform/paths.h"
#include "platform/vb_error.h"
#include "subjects/core/subject_groups.h"
#include "tests/builder/install/install_fixture.h"
#include "tests/durability/file_call_log.h"
#include "tests/support/error_of.h"
#include "tests/support/plain_build_run.h"
#include "tests/support/temp_drives.h"

using testing_support::ErrorOf;
using testing_support::FileCallLog;
using testing_support::ReadFile;
using testing_support::ReplaceFault;
using testing_support::WriteFile;
namespace fs = std::filesystem;

namespace {

// A sync that fails keeps the old file and says so; one that the file system
// does not offer is no failure.
TEST(BuildFilesTest, ReplacedFilesAreSyncedBeforeTheirRenameAndTheirFolderAfter) {
  const auto settings_file = [](site::BuildRun& run) {
    vb::ChDir("D:\\orvane");
    builder::WriteShortcutSettings(run, subjects::SubjectGroups{});
  };
  struct Case {
    const char* name;
    const char* target;  // below the drive, with an old (or empty) file there
    std::function<void(site::BuildRun&)> write;
    int failing_sync = 0;       // of every file and folder
    int kernel_copy_error = 0;  // a copy inside the kernel fails: read and write copy
  } cases[] = {
      {"the year's page", "orvane/2026/index.htm",
       [](site::BuildRun& run) {
         vb::ChDir("D:\\orvane\\2026");
         builder::YearIndexPage(run);
         builder::PublishYearPages(run);
       }},
      {"a rebuild's template page", "orvane/staff/index.htm",
       [](site::BuildRun& run) { builder::CopyTemplateSite(run); }},
      {"a template page copied across file systems", "orvane/staff/index.htm",
       [](site::BuildRun& run) { builder::CopyTemplateSite(run); }, 0, EXDEV},
      {"the settings file", "orvane/ovshrtct.ini", settings_file},
      {"the settings file on a failing disk", "orvane/ovshrtct.ini", settings_file, EIO},
      {"the settings file where no sync is offered", "orvane/ovshrtct.ini", settings_file, EINVAL},
  };
  for (const Case& c : cases) {
    testing_support::TempDrives drives("D");
    const fs::path d = drives.drive('D');
    const fs::path program = drives.root() / "program";
    WriteFile(program / "ovintranet" / "orvane" / "staff" / "index.htm", "<html>Staff</html>\r\n");
    WriteFile(d / c.target, c.name == std::string("the year's page") ? "" : "old\r\n");
    vb::ChDrive("D");
    builder::PlainBuildRun build(program);
    FileCallLog log;
    if (c.failing_sync) log.FailEverySync(c.failing_sync);
    log.FailCopiesInKernel(c.kernel_copy_error);
    EXPECT_EQ(ErrorOf([&] { c.write(build.run); }), c.failing_sync == EIO ? 57 : 0) << c.name;
    if (c.failing_sync) {
      EXPECT_EQ(testing_support::ReadFile(d / c.target) == "old\r\n", c.failing_sync == EIO) << c.name;
    } else {
      EXPECT_EQ(ReplaceFault(log.Calls(), (d / c.target).string()), "") << c.name;
    }
    if (c.kernel_copy_error != 0) {
      EXPECT_EQ(testing_support::ReadFile(d / c.target), "<html>Staff</html>\r\n") << c.name;
    }
  }
}

// A whole build on a private drive, run outside a test of its own.
struct WholeBuild : install_testing::InstallTest {
  void TestBody() override {}
  using InstallTest::Install, InstallTest::Site, InstallTest::Titles;
};

// The year's page takes its name only when it is on the disk and nothing but
// its empty page stands in its place; otherwise the year stays unfinished,
// and a build says so in a box.
TEST(BuildFilesTest, YearPageThatCannotTakeItsPlaceLeavesTheYearUnfinished) {
  struct Case {
    const char* name;
    bool folder_in_place;        // else the page's sync fails
    int error;                   // 0: in a whole build
    const char* told = nullptr;  // the title of the whole build's box
  } cases[] = {
      {"a failed sync", false, 57},
      {"a folder in the page's place", true, 58},
      {"a failed sync in a build", false, 0, "Check Selected Drive"},
      {"a folder in the page's place in a build", true, 0, "Severe Problem"},
  };
  for (const Case& c : cases) {
    if (c.error == 0) {
      WholeBuild build;
      const fs::path year = build.Site() / "2026";
      fs::create_directories(c.folder_in_place ? year / "index.htm" : year);
      FileCallLog log;
      log.FailSyncOf(testing_support::LoggedPath((year / "index.new").string()), EIO);
      try {
        build.Install();
      } catch (const vb::EndProgram&) {
      }
      EXPECT_EQ(build.Titles(), std::vector<std::string>{c.told}) << c.name;
      EXPECT_TRUE(fs::is_regular_file(year / "index.new") && !fs::is_regular_file(year / "index.htm")) << c.name;
      continue;
    }
    testing_support::TempDrives drives("D");
    const fs::path year = drives.drive('D') / "orvane" / "2026";
    if (c.folder_in_place) {
      fs::create_directories(year / "index.htm");
    } else {
      WriteFile(year / "index.htm", "");
    }
    vb::ChDrive("D");
    vb::ChDir("D:\\orvane\\2026");
    builder::PlainBuildRun build;
    builder::YearIndexPage(build.run);
    FileCallLog log;
    if (!c.folder_in_place) log.FailSyncOf(testing_support::LoggedPath((year / "index.new").string()), EIO);
    EXPECT_EQ(ErrorOf([&] { builder::PublishYearPages(build.run); }), c.error) << c.name;
    EXPECT_TRUE(fs::is_regular_file(year / "index.new")) << c.name;
    if (!c.folder_in_place) {
      EXPECT_EQ(testing_support::ReadFile(year / "index.htm"), "") << c.name;
    }
  }
}

}  // namespace
