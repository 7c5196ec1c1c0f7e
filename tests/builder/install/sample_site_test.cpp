// The shipped sample school imported and built whole, as a school would do
// it, in each layout, image placement and folder naming: every page of the
// site must link only to files of the site, end its lines in CR LF and close
// its tags in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "builder/core/tables.h"
#include "builder/import/enrolment_import.h"
#include "builder/install/build_driver.h"
#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "platform/paths.h"
#include "subjects/core/refresh_groups.h"
#include "subjects/core/subject_groups.h"
#include "tests/builder/install/install_fixture.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/page_text.h"
#include "tests/support/plain_build_settings.h"
#include "tests/support/site_pages.h"

namespace {

namespace fs = std::filesystem;
using site::FolderNaming;
using site::ImagePlacement;
using site::PageLayout;
using testing_support::CheckTags;
using testing_support::LineEndFault;
using testing_support::LocalLinks;
using testing_support::ReadFile;

TEST(PageCheckTest, FindsWhatABrowserWouldMend) {
  // The frame's own open paragraphs: closed by the cell's end and by the next paragraph.
  auto report = CheckTags(
      "<html><body><table><tr><td><p align=\"center\">&nbsp;\r\n<p>text</td></tr>"
      "</table><img src=\"a.gif\"><br></body></html>\r\n");
  EXPECT_TRUE(report.faults.empty());
  EXPECT_EQ(report.left_open, (std::set<std::string>{"p by <p>", "p by </td>"}));

  EXPECT_EQ(CheckTags("<p><b>bold</p>").faults,
            std::vector<std::string>{"line 1: <b> of line 1 is still open at </p>"});
  EXPECT_EQ(CheckTags("<div>\r\n<font>x</div></font>").faults.size(), 2u);
  EXPECT_EQ(CheckTags("<table><tr><td>x</table>").left_open,
            (std::set<std::string>{"td by </table>", "tr by </table>"}));
  EXPECT_EQ(CheckTags("<html>\r\n<body>\r\n</html>").faults,
            std::vector<std::string>{"line 3: <body> of line 2 is still open at </html>"});
  EXPECT_EQ(CheckTags("x</font>").faults,
            std::vector<std::string>{"line 1: </font> closes nothing"});

  EXPECT_EQ(LocalLinks("<a href=\"../index.htm#top\"><img src=\"but-p&amp;c.jpg\" "
                       "alt=\"a\"></a><a href=\"http://x/\">x</a><td background=\"b%20c.gif\">"),
            (std::vector<std::string>{"../index.htm", "but-p&c.jpg", "b c.gif"}));
  EXPECT_EQ(LineEndFault("<html>\r\n</html>\r\n"), "");
  EXPECT_EQ(LineEndFault("<html>\r\n</html>\n"), "line 2 ends in LF alone");
  EXPECT_EQ(LineEndFault("<html>\r</html>\r\n"), "line 1 ends in CR alone");
  EXPECT_EQ(LineEndFault("<html>\r\n</html>"), "line 2 has no line end");
}

struct SampleBuild {
  const char* name;
  site::PageLayout layout;
  site::ImagePlacement placement;
  site::FolderNaming naming;
  int theme;
  int font;
  bool evaluation;
  bool portfolio;
  // Whether the template brings its own home page; without one the home
  // page that the build writes stays the site's.
  bool template_home = true;
  // As typed: the personalised pages hold it without the blanks around it.
  const char* school_name = "Hillside Public School";
};

void PrintTo(const SampleBuild& build, std::ostream* out) { *out << build.name; }

// What the walk of a site found, each fault with the first page that shows it.
class Findings {
 public:
  void Fault(const std::string& page, const std::string& what) {
    const std::string key = fs::path(page).filename().string() + ": " + what;
    ++faults_.try_emplace(key, 0, page).first->second.first;
  }
  void LeftOpen(const std::string& page, const std::string& what) {
    left_open_.try_emplace(what, page);
  }

  bool empty() const { return faults_.empty(); }
  const std::map<std::string, std::string>& left_open() const { return left_open_; }
  std::string Report() const {
    std::string text;
    for (const auto& [what, where] : faults_) {
      text += "\n  " + what + "  (" + std::to_string(where.first) + " times, first on " +
              where.second + ")";
    }
    return text;
  }

 private:
  std::map<std::string, std::pair<int, std::string>> faults_;
  std::map<std::string, std::string> left_open_;
};

class SampleSiteTest : public ::testing::TestWithParam<SampleBuild> {
 protected:
  void SetUp() override {
    if (!install_testing::CopyShippedProgram(program_)) {
      GTEST_SKIP() << "the program folder is not assembled";
    }
    const char* source = std::getenv("ORVANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    setenv("ORVANE_OPEN_COMMAND", "true", 1);
    const fs::path setup = drives_.drive('C') / "orvanesetup";
    fs::create_directories(setup);
    fs::copy_file(fs::path(source) / "assets" / "samples" / "StudentsRecord.csv",
                  setup / "StudentsRecord.csv");
    testing_support::WriteFile(drives_.drive('D') / "label.dat", "x");  // the drive lists something
  }
  void TearDown() override {
    unsetenv("ORVANE_OPEN_COMMAND");
    subjects::Groups() = subjects::SubjectGroups{};
  }

  // Imports the sample from the setup folder, as a start without "/F=" does,
  // and ticks every level that received a student.
  void Import() {
    builder::NoProgressWindow progress;
    const builder::EnrolmentSource source = builder::ParseEnrolmentOption("");
    settings_.levels = builder::ImportEnrolment(source, program_.string() + "/", progress);
    for (const builder::YearLevelRow& level : builder::YearLevelTable) {
      const std::string list = ReadFile(program_ / std::string(level.list_file));
      students_ += static_cast<int>(std::count(list.begin(), list.end(), '\n'));
    }
    ASSERT_GT(students_, 100);
    messages_.clear();  // the import's report of the sample's faulty rows
  }

  // Names the subject groups the window offers at first, and confirms them.
  static void ConfirmDesignGroups() {
    const std::array<std::string, 13> boxes{
        "",     "English",     "Mathematics", "Science", "History", "Geography", "PDHPE",
        "LOTE", "Visual Arts", "Music",       "TAS",     "",        ""};
    const subjects::RefreshOutcome outcome =
        subjects::RefreshGroups(boxes, "4", subjects::Groups());
    ASSERT_EQ(outcome.problem, "");
    ASSERT_EQ(subjects::Groups().SubjectGroupCount, 10);
  }

  void Install(const SampleBuild& build) {
    if (!build.template_home) fs::remove(program_ / "ovintranet" / "orvane" / "index.htm");
    settings_.school_name = build.school_name;
    settings_.layout = build.layout;
    settings_.placement = build.placement;
    settings_.naming = build.naming;
    settings_.theme = build.theme;
    settings_.font = build.font;
    settings_.evaluation = build.evaluation;
    settings_.portfolio = build.portfolio;
    settings_.last_year_link = true;
    ctx_.ProgramFolder = vb::NativeToText(program_) + "/";
    ctx_.CurrentYear = "2026";
    ctx_.LastYear = "2025";
    builder::NoProgressWindow progress;
    install_testing::RecordingWindow window;
    builder::InstallServices services = builder::DefaultInstallServices();
    services.wait = [](std::chrono::milliseconds) {};
    builder::Command1_Click(ctx_, settings_, progress, window, services);
  }

  // Pages written for the folders they are copied into: the year's master
  // pages (read in each class's copy) and the root's writing page (read as
  // each student's topic12.htm).
  bool WrittenForItsCopies(const std::string& relative) const {
    return relative == "writing.htm" || relative.starts_with(settings_.year + "/masterstudent/");
  }

  // Links that need not resolve: last year's site and the bulletin tools' pages.
  bool LeadsOutsideTheBuild(const std::string& link, const fs::path& target) const {
    if (testing_support::kWrittenByTools.count(fs::path(link).filename().string()) > 0) return true;
    const fs::path last_year = (Site() / ctx_.LastYear).lexically_normal();
    return target.string().starts_with(last_year.string() + "/");
  }

  // Checks one page; `relative` is its path in the site.
  void CheckPage(const fs::path& file, const std::string& relative, Findings& findings) const {
    const std::string page = ReadFile(file);
    if (std::string fault = LineEndFault(page); !fault.empty()) findings.Fault(relative, fault);
    const testing_support::TagReport tags = CheckTags(page);
    for (const std::string& fault : tags.faults) findings.Fault(relative, fault);
    for (const std::string& open : tags.left_open) findings.LeftOpen(relative, open);
    if (WrittenForItsCopies(relative)) return;
    for (const std::string& link : LocalLinks(page)) {
      const fs::path target = (file.parent_path() / link).lexically_normal();
      if (LeadsOutsideTheBuild(link, target)) continue;
      const bool inside = !target.lexically_relative(Site()).string().starts_with("..");
      const bool found =
          link.ends_with("/") ? fs::is_directory(target) : fs::is_regular_file(target);
      if (!inside || !found) findings.Fault(relative, "broken link " + link);
    }
  }

  // Walks every page of the site; returns how many there are.
  int WalkSite(Findings& findings) const {
    int pages = 0;
    for (const auto& entry : fs::recursive_directory_iterator(Site())) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".htm" && extension != ".html")) continue;
      ++pages;
      CheckPage(entry.path(), entry.path().lexically_relative(Site()).string(), findings);
    }
    return pages;
  }

  fs::path Site() const { return drives_.drive('D') / "orvane"; }

  testing_support::TempDrives drives_{"CD"};
  testing_support::ScriptedMessages messages_;
  fs::path program_ = drives_.root() / "program";
  site::BuildContext ctx_;
  builder::PlainBuildSettings settings_;
  int students_ = 0;  // filed by the import
};

TEST_P(SampleSiteTest, EveryPageHangsTogetherAndTheSettingsFileDescribesTheBuild) {
  const SampleBuild& build = GetParam();
  ASSERT_NO_FATAL_FAILURE(Import());
  if (build.layout == site::PageLayout::Subject) {
    ASSERT_NO_FATAL_FAILURE(ConfirmDesignGroups());
  }
  Install(build);

  ASSERT_EQ(messages_.shown().size(), 1u) << messages_.shown()[0].text;
  ASSERT_EQ(messages_.shown()[0].title, "Orvane Results") << messages_.shown()[0].text;

  if (!build.template_home) {
    const std::string home = ReadFile(Site() / "index.htm");
    EXPECT_NE(home.find("<title>Hillside Public School Home Page</title>"), std::string::npos);
  }
  // The theme's own images, the list sorted by the real library and copied
  // into the year, and no template page left in the sample colour.
  const builder::ThemeRow& theme = builder::ThemeTable[build.theme];
  for (std::string_view image : builder::SiteImageList) {
    EXPECT_EQ(ReadFile(Site() / "ovimages" / std::string(image)),
              ReadFile(program_ / std::string(theme.folder.substr(1)) / std::string(image)));
  }
  const std::string dat = ReadFile(Site() / "ovshrtct.dat");
  EXPECT_FALSE(fs::exists(Site() / "ovshrtct.srt"));
  EXPECT_EQ(ReadFile(Site() / "2026" / "ovshrtct.dat"), dat);
  const std::vector<std::string> records = testing_support::CrLfLines(dat);
  EXPECT_GT(records.size(), static_cast<size_t>(students_));
  EXPECT_TRUE(std::is_sorted(records.begin(), records.end()));
  for (const builder::TemplatePage& entry : builder::SchoolNameFiles) {
    std::string folder(entry.folder);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    const fs::path page = drives_.drive('D') / folder.substr(1) / std::string(entry.page);
    if (!build.portfolio && entry.page == "writing.htm") continue;  // deleted
    const std::string bytes = ReadFile(page);
    EXPECT_NE(bytes.find(">Hillside Public School<"), std::string::npos) << page;
    EXPECT_EQ(bytes.find("Sample Public School"), std::string::npos) << page;
  }
  if (theme.colour1 != "#999966") {
    for (const builder::TemplatePage& entry : builder::ColourFiles) {
      std::string folder(entry.folder);
      std::replace(folder.begin(), folder.end(), '\\', '/');
      const fs::path page = drives_.drive('D') / folder.substr(1) / std::string(entry.page);
      if (!build.portfolio && entry.page == "writing.htm") continue;  // deleted
      EXPECT_EQ(ReadFile(page).find("#999966"), std::string::npos) << page;
    }
  }
  Findings findings;
  const int pages = WalkSite(findings);
  // Each student's home page and topic pages (in the subject layout one index
  // page and four topic pages for each of the ten groups) at the least.
  const int per_student = build.layout == site::PageLayout::K6 ? 13 : 1 + 10 * 5;
  EXPECT_GT(pages, students_ * per_student);
  EXPECT_TRUE(findings.empty()) << findings.Report();
  // Paragraphs are the one element the pages leave open, and only where they
  // are written so: the navigation rows and the heading cells end with their
  // cell, the edit hint and the empty paragraphs with the next paragraph or
  // block, the introductions of the centred pages with their centring, and
  // the last empty paragraph of those pages with the centring that follows.
  const std::set<std::string> written_open{"p by </td>", "p by <p>", "p by <div>",
                                           "p by </center>", "p by <center>"};
  for (const auto& [open, page] : findings.left_open()) {
    EXPECT_EQ(written_open.count(open), 1u) << open << " on " << page;
  }

  if (build.layout == site::PageLayout::K6) {
    EXPECT_EQ(ReadFile(Site() / "ovshrtct.ini"), "\"My Work\",2026\r\n\"0\"\r\n");
    return;
  }
  EXPECT_EQ(ReadFile(Site() / "ovshrtct.ini"),
            "\"My Work\",2026\r\n"
            "\"10\"\r\n"
            "\"English\",\"english\"\r\n"
            "\"Mathematics\",\"mathematics\"\r\n"
            "\"Science\",\"science\"\r\n"
            "\"History\",\"history\"\r\n"
            "\"Geography\",\"geography\"\r\n"
            "\"PDHPE\",\"pdhpe\"\r\n"
            "\"LOTE\",\"lote\"\r\n"
            "\"Visual Arts\",\"visualarts\"\r\n"
            "\"Music\",\"music\"\r\n"
            "\"TAS\",\"tas\"\r\n"
            "\"4\"\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Builds, SampleSiteTest,
    ::testing::Values(
        SampleBuild{"K6SharedGeneric", site::PageLayout::K6, site::ImagePlacement::Shared,
                    site::FolderNaming::Generic, 0, 0, true, true, true, "  Hillside Public School "},
        SampleBuild{"K6SharedFromNames", site::PageLayout::K6, site::ImagePlacement::Shared,
                    site::FolderNaming::FromNames, 1, 1, false, false},
        SampleBuild{"K6ReplicatedGeneric", site::PageLayout::K6, site::ImagePlacement::Replicated,
                    site::FolderNaming::Generic, 2, 2, false, true, false},
        SampleBuild{"K6ReplicatedFromNames", site::PageLayout::K6, site::ImagePlacement::Replicated,
                    site::FolderNaming::FromNames, 3, 1, true, false},
        SampleBuild{"SubjectSharedFromNames", site::PageLayout::Subject, site::ImagePlacement::Shared,
                    site::FolderNaming::FromNames, 2, 0, true, false}),
    [](const ::testing::TestParamInfo<SampleBuild>& info) { return std::string(info.param.name); });

}  // namespace
