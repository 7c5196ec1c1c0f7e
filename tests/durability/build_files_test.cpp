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
#include "subjects/core/subject_groups.h"
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

TEST(BuildFilesTest, ReplacedFilesAreSyncedBeforeTheirRenameAndTheirFolderAfter) {
  struct Case {
    const char* name;
    const char* target;  // below the drive, with an old (or empty) file there
    std::function<void(site::BuildRun&)> write;
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
       [](site::BuildRun& run) { builder::CopyTemplateSite(run); }, EXDEV},
      {"the settings file", "orvane/ovshrtct.ini",
       [](site::BuildRun& run) {
         vb::ChDir("D:\\orvane");
         builder::WriteShortcutSettings(run, subjects::SubjectGroups{});
       }},
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
    log.FailCopiesInKernel(c.kernel_copy_error);
    c.write(build.run);
    EXPECT_EQ(ReplaceFault(log.Calls(), (d / c.target).string()), "") << c.name;
    if (c.kernel_copy_error != 0) {
      EXPECT_EQ(ReadFile(d / c.target), "<html>Staff</html>\r\n") << c.name;
    }
  }
}

// The year's page takes its name only when it is on the disk and nothing but
// its empty page stands in its place; otherwise the year stays unfinished.
TEST(BuildFilesTest, YearPageThatCannotTakeItsPlaceLeavesTheYearUnfinished) {
  struct Case {
    const char* name;
    bool folder_in_place;  // else the page's sync fails
    int error;
  } cases[] = {
      {"a failed sync", false, 57},
      {"a folder in the page's place", true, 58},
  };
  for (const Case& c : cases) {
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
