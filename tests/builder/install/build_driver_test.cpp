#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "builder/pages/page_writers.h"
#include "platform/paths.h"
#include "platform/vb_error.h"
#include "platform/text.h"
#include "subjects/core/subject_groups.h"
#include "tests/builder/install/install_fixture.h"
#include "tests/support/page_text.h"
#include "tests/support/recording_opener.h"
#include "tests/support/full_drive.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CrLf;
using install_testing::InstallTest;
using testing_support::ReadFile;
using testing_support::WriteFile;

const char kResultsStart[] = "Ond's Orvane has just created ";
const char kResultsEnd[] =
    " Web Pages in the Orvane folder on your selected drive!  After clicking OK, your new School "
    "Intranet will be launched.  When ready, the System Administrator can move the Orvane folder "
    "to the server.";
const char kDriveMessage[] = "Error Writing to the Selected Drive.  Do you have sufficient User Rights?";

std::string Path(const fs::path& folder, const std::string& folder_text) {
  std::string relative = folder_text;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return (folder / relative.substr(1)).string();
}

// The names of the .txt files in `folder`.
std::vector<std::string> TextFilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST_F(InstallTest, NormalBuildMakesTheSiteRootAndCloses) {
  settings.school_name = "  Hillside Primary ";
  settings.theme = 1;  // Copper
  settings.portfolio = false;
  settings.levels[5 - 1] = true;  // Year 3 as well
  const testing_support::RecordingOpener opener(drives.root());
  WriteFile(Program() / "readme.txt", "the school's own");

  Install();

  EXPECT_EQ(SiteFile("ovtopics"), "primary topics tool");
  EXPECT_EQ(SiteFile("XRsortLib.so"), "sorting library");
  EXPECT_FALSE(fs::exists(Site() / "writing.htm"));
  for (std::string_view image : builder::SiteImageList) {
    EXPECT_EQ(SiteFile("ovimages/" + std::string(image)), "metal:" + std::string(image));
  }
  EXPECT_EQ(SiteFile("ovshrtct.ini"), CrLf({"\"My Work\",2026", "\"0\""}));
  EXPECT_EQ(ReadFile(Site() / "2026" / "but-yrpg.jpg"), "metal:but-yrpg.jpg");
  EXPECT_EQ(ReadFile(Site() / "2026" / "but-home.jpg"), "metal:but-home.jpg");

  ASSERT_EQ(sort_commands.size(), 1u);
  EXPECT_EQ(sort_commands[0], "/T=TMP D:\\orvane\\ovshrtct.srt D:\\orvane\\ovshrtct.dat");
  EXPECT_FALSE(fs::exists(Site() / "ovshrtct.srt"));
  EXPECT_TRUE(fs::exists(Site() / "ovshrtct.dat"));
  EXPECT_EQ(SiteFile("2026/ovshrtct.dat"), SiteFile("ovshrtct.dat"));

  for (const builder::TemplatePage& entry : builder::ColourFiles) {
    if (entry.page == "writing.htm") continue;  // deleted without the portfolio
    const std::string page = ReadFile(Path(drives.drive('D'), std::string(entry.folder)) + std::string(entry.page));
    EXPECT_NE(page.find("bgcolor=\"#FFCC66\""), std::string::npos) << entry.folder << entry.page;
  }
  for (const builder::TemplatePage& entry : builder::SchoolNameFiles) {
    if (entry.page == "writing.htm") continue;
    const std::string page = ReadFile(Path(drives.drive('D'), std::string(entry.folder)) + std::string(entry.page));
    EXPECT_NE(page.find("<title>Hillside Primary</title>"), std::string::npos) << entry.folder;
  }
  EXPECT_NE(SiteFile("index.htm").find("href=\"2026/index.htm\""), std::string::npos);
  EXPECT_NE(SiteFile("school/library/index.htm").find("code=123411\r\n"), std::string::npos);
  EXPECT_EQ(SiteFile("photos/gallery1/index.htm").find("Hillside"), std::string::npos);

  ASSERT_EQ(messages.shown().size(), 1u);
  const vb::MessageBoxRequest& results = messages.shown()[0];
  EXPECT_EQ(results.title, "Orvane Results");
  EXPECT_EQ(results.style, vb::vbInformation);
  EXPECT_EQ(results.text, kResultsStart + vb::NumberText(ctx.PageCount) + kResultsEnd);
  EXPECT_GE(ctx.PageCount, 70);
  EXPECT_EQ(ctx.OpenFile, "D:\\orvane\\index.htm");

  EXPECT_EQ(progress.label1, "Creating Orvane Folder System");
  EXPECT_EQ(progress.label3, "Creating new school intranet pages...");
  EXPECT_EQ(window.calls, (std::vector<std::string>{"unload", "hide", "close"}));
  EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{std::chrono::seconds(5)}));
  EXPECT_EQ(TextFilesIn(Program()), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(ReadFile(Program() / "readme.txt"), "the school's own");
  EXPECT_EQ(opener.Opened(), (Site() / "index.htm").string());
}

// Last year's button joins the 40 images when the Year Pages page links to a
// year whose button the themes ship beyond the list.
struct LastYearCase {
  bool link;
  const char* last_year;
  const char* button;  // copied beside the 40, or none
};

class LastYearButtonTest : public InstallTest, public ::testing::WithParamInterface<LastYearCase> {};

TEST_P(LastYearButtonTest, FollowsTheFortyImages) {
  const LastYearCase& c = GetParam();
  for (int year = 2013; year <= 2100; ++year) {
    const std::string button = "but-" + std::to_string(year) + ".jpg";
    WriteFile(Program() / "fire" / button, "fire:" + button);
  }
  settings.last_year_link = c.link;
  ctx.LastYear = c.last_year;

  Install();

  size_t images = 0;
  for (const auto& entry : fs::directory_iterator(Site() / "ovimages")) images += entry.is_regular_file();
  EXPECT_EQ(images, c.button == nullptr ? 40u : 41u);
  if (c.button != nullptr) {
    EXPECT_EQ(SiteFile("ovimages/" + std::string(c.button)), "fire:" + std::string(c.button));
  }
}

INSTANTIATE_TEST_SUITE_P(Years, LastYearButtonTest,
                         ::testing::Values(LastYearCase{true, "2025", "but-2025.jpg"},
                                           LastYearCase{true, "2013", "but-2013.jpg"},
                                           LastYearCase{true, "2099", "but-2099.jpg"},
                                           LastYearCase{true, "2012", nullptr},
                                           LastYearCase{true, "2100", nullptr},
                                           LastYearCase{false, "2025", nullptr}));

TEST_F(InstallTest, SubjectLayoutWritesTheGroupsAndTheHighSchoolTool) {
  settings.layout = site::PageLayout::Subject;
  settings.placement = site::ImagePlacement::Shared;
  settings.year = "209 ";
  subjects::SubjectGroups& groups = subjects::Groups();
  groups.SubjectGroupCount = 2;
  groups.SubjectGroupNames[1] = "English";
  groups.SubjectGroupFolders[1] = "english";
  groups.SubjectGroupNames[2] = "Maths & Science";
  groups.SubjectGroupFolders[2] = "maths";
  groups.TopicsPerGroup = 4;
  groups.SubjectGroupsReady = true;

  Install();

  EXPECT_EQ(SiteFile("ovtopics"), "high-school topics tool");
  EXPECT_EQ(SiteFile("ovshrtct.ini"),
            CrLf({"\"My Work\",209 ", "\"2\"", "\"English\",\"english\"", "\"Maths & Science\",\"maths\"",
                  "\"4\""}));
  EXPECT_EQ(SiteFile("writing.htm"),
            CrLf({"<title>Sample Public School - My Writing</title>",
                  "<td bgcolor=\"#999966\">Sample Public School</td>"}));
  EXPECT_FALSE(fs::exists(Site() / "209 " / "but-yrpg.jpg"));
  EXPECT_EQ(SiteFile("209 /ovshrtct.dat"), SiteFile("ovshrtct.dat"));
  EXPECT_NE(SiteFile("index.htm").find("href=\"209/index.htm\""), std::string::npos);
}

TEST_F(InstallTest, SubjectLayoutWithoutTwoGroupsIsRefusedBeforeAnythingIsWritten) {
  settings.layout = site::PageLayout::Subject;
  subjects::Groups().SubjectGroupCount = 0;
  subjects::Groups().SubjectGroupsReady = true;

  Install();

  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            "Please confirm at least two Subject Groups in the High School Layout Options window.");
  EXPECT_EQ(messages.shown()[0].title, "Sorry");
  EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
  EXPECT_FALSE(fs::exists(Site()));
  EXPECT_TRUE(window.calls.empty());
}

TEST_F(InstallTest, YearBuiltBeforeIsRefusedButTheTemplateIsCopied) {
  WriteFile(Site() / "2026" / "index.htm", "<html>Year Pages</html>");
  WriteFile(Site() / "2026" / "ovshrtct.dat", "year list\r\n");
  WriteFile(Site() / "ovshrtct.ini", "old ini\r\n");
  WriteFile(Site() / "ovshrtct.srt", "old srt\r\n");
  WriteFile(Site() / "ovshrtct.dat", "old dat\r\n");
  WriteFile(Site() / "index.htm", "<html>home</html>");

  Install();

  EXPECT_EQ(Titles(), (std::vector<std::string>{"Sorry", "Orvane Results"}));
  EXPECT_EQ(messages.shown()[0].text,
            "You have already created an Orvane for the selected year. It cannot be overwritten.");
  EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
  EXPECT_EQ(messages.shown()[1].text, kResultsStart + std::string("70") + kResultsEnd);
  EXPECT_TRUE(sort_commands.empty());
  EXPECT_EQ(SiteFile("ovshrtct.ini"), "old ini\r\n");
  EXPECT_EQ(SiteFile("ovshrtct.srt"), "old srt\r\n");
  EXPECT_EQ(SiteFile("ovshrtct.dat"), "old dat\r\n");
  EXPECT_EQ(SiteFile("2026/ovshrtct.dat"), "year list\r\n");
  EXPECT_EQ(SiteFile("2026/index.htm"), "<html>Year Pages</html>");
  EXPECT_NE(SiteFile("staff/index.htm").find("<title>Sample Public School</title>"), std::string::npos);
  EXPECT_NE(SiteFile("index.htm").find("href=\"2026/index.htm\""), std::string::npos);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"unload", "hide", "close"}));
}

TEST_F(InstallTest, UnavailableDriveWritesNothingAndKeepsTheWindow) {
  for (const char* drive : {"E", "C"}) {  // E is not mapped; C lists nothing
    messages.clear();
    settings.drive = drive;
    Install();
    ASSERT_EQ(messages.shown().size(), 1u) << drive;
    EXPECT_EQ(messages.shown()[0].text, "The drive letter specified is unavailable!");
    EXPECT_EQ(messages.shown()[0].title, "Drive Problem");
    EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
  }
  EXPECT_TRUE(fs::is_empty(drives.drive('C')));
  EXPECT_FALSE(fs::exists(Site()));
  EXPECT_TRUE(window.calls.empty());
  EXPECT_TRUE(fs::exists(Program() / "presch.txt"));
  EXPECT_EQ(ctx.TargetDrive, "C:");
  EXPECT_TRUE(ctx.ThemeFolder.empty());
}

TEST_F(InstallTest, MissingShippedFileOrYearListEndsTheProgramWithItsNumber) {
  for (bool list_missing : {false, true}) {
    messages.clear();
    if (list_missing) {
      settings.levels[3] = true;  // Year 2 has no list
    } else {
      fs::rename(Program() / "writing.htm", Program() / "writing.old");
    }
    EXPECT_THROW(Install(), vb::EndProgram);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Severe Problem");
    EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
    EXPECT_EQ(messages.shown()[0].text.rfind("An Error Code 53 has occurred.  Please contact ", 0), 0u);
    EXPECT_TRUE(messages.shown()[0].text.ends_with(
        " reporting the problem and what you were trying to do.  Orvane will now close."));
    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(fs::exists(Program() / "presch.txt"));
    if (!list_missing) fs::rename(Program() / "writing.old", Program() / "writing.htm");
  }
}

TEST_F(InstallTest, TooManyStudentsEndsTheProgramAndTheYearCanBeBuiltAgain) {
  std::vector<std::string> rows;
  for (int i = 0; i < 501; ++i) rows.push_back("Pupil" + std::to_string(i) + ",Kim,PA");
  WriteFile(Program() / "presch.txt", CrLf(rows));
  EXPECT_THROW(Install(), vb::EndProgram);
  ASSERT_EQ(Titles(), (std::vector<std::string>{"Severe Error"}));
  EXPECT_EQ(messages.shown()[0].text,
            "Sorry, you have exceeded the number of supported students per class, or classes per "
            "year.  This is common if you have vertical roll classes.  Orvane will now close.  You "
            "should delete the partially created Orvane folder.");
  EXPECT_TRUE(window.calls.empty());
  EXPECT_TRUE(fs::exists(Program() / "presch.txt"));
  EXPECT_TRUE(fs::exists(Site() / "ovshrtct.srt"));

  // Started again with one row fewer, the builder builds the year.
  rows.pop_back();
  WriteFile(Program() / "presch.txt", CrLf(rows));
  messages.clear();
  ctx = site::BuildContext{};
  ctx.ProgramFolder = vb::NativeToText(Program()) + "/";
  Install();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Orvane Results"}));
  EXPECT_NE(SiteFile("2026/index.htm").find("presch/index.htm"), std::string::npos);
  EXPECT_FALSE(fs::exists(Site() / "2026" / builder::kUnfinishedYearPages));
  EXPECT_EQ(testing_support::CrLfLines(SiteFile("ovshrtct.dat")).size(), 501u) << "500 and the master";
}

TEST_F(InstallTest, DriveErrorFinishesTheSiteOnceWithoutLooping) {
  // The student list cannot be written, and neither can a template page (a
  // folder holds its place): one drive message for each, and the builder
  // then closes.
  fs::create_directories(Site() / "school" / "index.htm" / "kept");
  fs::create_symlink(drives.root() / "elsewhere.txt", Site() / "ovshrtct.srt");

  Install();

  EXPECT_EQ(Titles(), (std::vector<std::string>{"Check Selected Drive", "Check Selected Drive"}));
  EXPECT_EQ(messages.shown()[0].text, kDriveMessage);
  EXPECT_TRUE(sort_commands.empty());
  EXPECT_FALSE(fs::exists(Site() / "2026" / "ovshrtct.dat"));
  EXPECT_FALSE(fs::exists(drives.root() / "elsewhere.txt"));
  EXPECT_TRUE(fs::exists(Site() / "school" / "index.htm"));
  EXPECT_EQ(window.calls, (std::vector<std::string>{"unload", "hide", "close"}));
  EXPECT_TRUE(TextFilesIn(Program()).empty());
}

TEST_F(InstallTest, FullDriveGetsOnlyItsOwnMessage) {
  testing_support::FullDrive drive;
  settings.school_name = "Hillside Primary";
  settings.portfolio = false;
  // The first copy finds the drive full; the user makes room while the
  // message asks for it, and the site is finished without the pages never made.
  const vb::MessageBoxHandler scripted = vb::SetMessageBoxHandler(nullptr);
  vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& request) {
    drive.Free();
    return scripted(request);
  });
  Install();
  vb::SetMessageBoxHandler(scripted);

  EXPECT_EQ(Titles(), (std::vector<std::string>{"Check Selected Drive", "Orvane Results"}));
  EXPECT_EQ(messages.shown()[0].text,
            "The Selected Drive is Full!  Delete files you don't need or select another drive");
  EXPECT_FALSE(fs::exists(Site() / "writing.htm"));
  EXPECT_NE(SiteFile("staff/index.htm").find("<title>Hillside Primary</title>"), std::string::npos);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"unload", "hide", "close"}));
}

TEST_F(InstallTest, TemplatePagesTheSchoolEditedAreKeptBeforeTheCopy) {
  // The year built again, as after its Year Pages page was deleted by hand.
  auto build_again = [&] {
    fs::remove(Site() / "2026" / "index.htm");
    WriteFile(Program() / "presch.txt", CrLf({"Ng,Lily,PA"}));
    messages.clear();
    Install();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Orvane Results"}));
  };
  Install();
  build_again();
  EXPECT_FALSE(fs::exists(Site() / "ovbackup")) << "nothing edited, nothing kept";

  const std::string shipped = SiteFile("staff/index.htm");
  WriteFile(Site() / "staff" / "index.htm", "<html>Our staff</html>\r\n");
  build_again();
  EXPECT_EQ(SiteFile("staff/index.htm"), shipped);
  std::vector<std::string> kept;
  for (const auto& entry : fs::recursive_directory_iterator(Site() / "ovbackup")) {
    if (entry.is_regular_file()) kept.push_back(entry.path().lexically_relative(Site() / "ovbackup").string());
  }
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_TRUE(std::regex_match(kept[0], std::regex(R"(\d{4}-\d\d-\d\d \d{6}/orvane/staff/index\.htm)")))
      << kept[0];
  EXPECT_EQ(ReadFile(Site() / "ovbackup" / kept[0]), "<html>Our staff</html>\r\n");
}

TEST_F(InstallTest, FolderInPlaceOfTheSettingsFileIsAWriteFailure) {
  // Not an existing folder to pass over: the settings file cannot be written,
  // so the user is told and the site is finished with what there is.
  fs::create_directories(Site() / "ovshrtct.ini");
  Install();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Check Selected Drive", "Orvane Results"}));
  EXPECT_EQ(messages.shown()[0].text, kDriveMessage);
  EXPECT_TRUE(fs::is_directory(Site() / "ovshrtct.ini"));
  EXPECT_TRUE(sort_commands.empty());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"unload", "hide", "close"}));
}

TEST_F(InstallTest, FailedSortKeepsBothListsAndCopiesNeither) {
  WriteFile(Site() / "ovshrtct.dat", "stale\r\n");
  for (bool loader_fails : {false, true}) {
    messages.clear();
    fs::remove_all(Site() / "2026");
    WriteFile(Program() / "presch.txt", CrLf({"Ng,Lily,PA"}));
    services.sort_file = [&](const std::string&, const std::string&, std::string& error_text) {
      if (loader_fails) vb::Raise(53, "XRsortLib.so: file not found");
      error_text = "Input file not found";
      return false;
    };
    Install();
    ASSERT_EQ(Titles(), (std::vector<std::string>{"Sorry", "Orvane Results"})) << loader_fails;
    EXPECT_EQ(messages.shown()[0].text,
              std::string("The student list could not be sorted: ") +
                  (loader_fails ? "XRsortLib.so: file not found" : "Input file not found"));
    EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
    EXPECT_TRUE(fs::exists(Site() / "ovshrtct.srt"));
    EXPECT_EQ(SiteFile("ovshrtct.dat"), "stale\r\n");
    EXPECT_FALSE(fs::exists(Site() / "2026" / "ovshrtct.dat"));
    EXPECT_EQ(ctx.SortResult, "0");
  }
}

// A build stopped before its year is whole leaves the year unfinished, and
// the next build of the year finishes it; no box of a build finds the year
// published before the results, not even the failed sort's.
TEST_F(InstallTest, StoppedBuildLeavesTheYearUnfinishedAndTheNextBuildFinishesIt) {
  struct Killed {};  // the program stopped where it stood
  const auto sort = services.sort_file;
  const fs::path template_page = Program() / "ovintranet" / "orvane" / "staff" / "index.htm";
  const struct Stop {
    const char* where;
    std::function<void()> plant;
    std::function<void()> undo;
    std::vector<std::string> titles;  // of the stopped build
    bool published;                   // the stopped build still finished the year
  } stops[] = {
      {"killed in the sort", [&] { services.sort_file = [](auto&&...) -> bool { throw Killed{}; }; },
       [&] { services.sort_file = sort; }, {}, false},
      {"template copy: a folder in a page's place",
       [&] { fs::create_directories(Site() / "staff" / "index.htm" / "kept"); },
       [&] { fs::remove_all(Site() / "staff" / "index.htm"); }, {"Check Selected Drive"}, false},
      {"personalisation: a page missing from the template",
       [&] { fs::rename(template_page, template_page.string() + ".away"); },
       [&] { fs::rename(template_page.string() + ".away", template_page); }, {"Severe Problem"}, false},
      {"the year's copy of the list: a folder in its place",
       [&] { fs::create_directories(Site() / "2026" / "ovshrtct.dat" / "kept"); },
       [&] { fs::remove_all(Site() / "2026" / "ovshrtct.dat"); }, {"Check Selected Drive"}, false},
      {"failed sort",
       [&] {
         services.sort_file = [](const std::string&, const std::string&, std::string& error_text) {
           error_text = "Input file not found";
           return false;
         };
       },
       [&] { services.sort_file = sort; }, {"Sorry", "Orvane Results"}, true},
  };
  const fs::path year_page = Site() / "2026" / "index.htm";
  std::vector<std::string> published_at;  // boxes before the results that found the year published
  const vb::MessageBoxHandler scripted = vb::SetMessageBoxHandler(nullptr);
  vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& request) {
    if (request.title != "Orvane Results" && fs::exists(year_page)) published_at.push_back(request.title);
    return scripted(request);
  });
  auto install = [&] {
    messages.clear();
    ctx = site::BuildContext{};
    ctx.ProgramFolder = vb::NativeToText(Program()) + "/";
    WriteFile(Program() / "presch.txt", CrLf({"Ng,Lily,PA"}));
    try {
      Install();
    } catch (const Killed&) {
    } catch (const vb::EndProgram&) {
    }
  };
  for (const Stop& stop : stops) {
    SCOPED_TRACE(stop.where);
    fs::remove_all(Site());
    published_at.clear();
    stop.plant();
    install();
    stop.undo();
    EXPECT_EQ(Titles(), stop.titles);
    EXPECT_EQ(fs::exists(year_page), stop.published);
    if (!stop.published) {
      install();
      EXPECT_EQ(Titles(), (std::vector<std::string>{"Orvane Results"}));
      EXPECT_NE(SiteFile("2026/index.htm").find("presch/index.htm"), std::string::npos);
      EXPECT_EQ(SiteFile("2026/ovshrtct.dat"),
                CrLf({"Ng Lily,studnt1,class1,presch", "zzStudent Master,masterstudent,class1,presch"}));
      // What the stopped build copied, personalised or not, is not the
      // school's: nothing is kept but the home page that the stopped build
      // wrote itself, which the next one cannot tell from the school's own.
      if (fs::exists(Site() / "ovbackup")) {
        for (const auto& entry : fs::recursive_directory_iterator(Site() / "ovbackup")) {
          const std::string kept = entry.path().lexically_relative(Site() / "ovbackup").string();
          if (!entry.is_regular_file()) continue;
          EXPECT_TRUE(std::regex_match(kept, std::regex(R"([^/]+/orvane/index\.htm)"))) << kept;
        }
      }
    }
    EXPECT_FALSE(fs::exists(Site() / "2026" / builder::kUnfinishedYearPages));
    EXPECT_TRUE(published_at.empty()) << published_at.front();
  }
  vb::SetMessageBoxHandler(scripted);
}

}  // namespace
