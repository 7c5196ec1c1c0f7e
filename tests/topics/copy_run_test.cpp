#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/page_text.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/site_pages.h"
#include "tests/topics/site_fixture.h"
#include "topics/copy_run.h"
#include "topics/startup.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScriptedMessages;
using testing_support::WriteFile;
using topics::CopyForm;
using topics::Destination;
using topics::Subfolder;
using topics::Variant;
using topics_test::SiteFixture;

namespace {

// A started tool on the fixture's site, with a page and a lesson folder to copy.
class CopyRunTest : public ::testing::Test {
 protected:
  void Start(Variant variant, const std::string& ini = topics_test::kPrimaryIni) {
    ::setenv("ORVANE_OPEN_COMMAND", "true", 1);
    variant_ = variant;
    fixture_ = std::make_unique<SiteFixture>(ini, topics_test::kStudentList, ini != topics_test::kPrimaryIni);
    site_.site_root = fixture_->site_root();
    ASSERT_FALSE(topics::StartTopics(variant, site_).has_value());
    WriteFile(fixture_->source("lessons/page.htm"), "new page");
    WriteFile(fixture_->source("lessons/maths/sheet.txt"), "sheet v2");
    WriteFile(fixture_->source("lessons/maths/more/deep.txt"), "deep");
    form_.topic_text = "topic3";
    form_.year_text = "year3";
    form_.class_text = "[select]";
    form_.group_text = "[select]";
    form_.file_name = "page.htm";
    form_.selected_file_path = "C:\\lessons\\page.htm";
    form_.opened_folder = "C:\\lessons\\maths";
    form_.subject_text = "Mathematics";
    form_.subject_index = 0;
  }

  void Run() {
    status_.clear();
    topics::RunTopicsCopy(variant_, site_, form_, [this](const std::string& s) { status_.push_back(s); });
  }

  std::vector<std::string> LogLines() const {
    const std::string text = ReadFile(fixture_->root() / "ovtopicslog.txt");
    const std::vector<std::string> lines = testing_support::CrLfLines(text);
    EXPECT_EQ(testing_support::LineEndFault(text), "");
    return lines;
  }

  // The log's lines after its header.
  std::vector<std::string> Failures() const {
    auto lines = LogLines();
    const size_t header = variant_ == Variant::kPrimary ? 3 : 2;
    if (lines.size() < header) return {"(no header)"};
    return {lines.begin() + header, lines.end()};
  }

  std::string Student(const std::string& level, const std::string& klass, const std::string& folder) const {
    return fixture_->text(fixture_->student(level, klass, folder)) + "/";
  }

  Variant variant_ = Variant::kPrimary;
  std::unique_ptr<SiteFixture> fixture_;
  topics::TopicsSite site_;
  CopyForm form_;
  std::vector<std::string> status_;
  ScriptedMessages messages_;
};

}  // namespace

TEST_F(CopyRunTest, ReplacesATopicForAYearMasterFoldersIncluded) {
  Start(Variant::kPrimary);
  form_.year_text = "year3 ";  // typed with a trailing blank
  testing_support::RecordingOpener opener(fixture_->source(""));
  Run();
  const std::vector<std::string> expected = {Student("year3", "3c", "brown_tom") + "topic3.htm",
                                             Student("year3", "3b", "smith_anna") + "topic3.htm",
                                             Student("year3", "3b", "masterstudent") + "topic3.htm",
                                             Student("year3", "3c", "masterstudent") + "topic3.htm",
                                             topics::kStatusHint};
  EXPECT_EQ(status_, expected);
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm"), "new page");
  EXPECT_EQ(ReadFile(fixture_->student("year4", "3b", "jones_bea") / "topic3.htm"), "old");

  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[0].title, "Are you sure?");
  EXPECT_EQ(messages_.shown()[0].style, 4);
  EXPECT_EQ(messages_.shown()[1].text,
            "Copy into all selected folders complete.  Click OK to check the error log.");
  EXPECT_EQ(messages_.shown()[1].title, "Results");
  EXPECT_EQ(messages_.shown()[1].style, 64);

  // The log holds its header alone and is opened after the run.
  EXPECT_EQ(LogLines().at(0).rfind("Error log for Orvane Topics Utility - ", 0), 0u);
  EXPECT_EQ(Failures(), std::vector<std::string>{});
  EXPECT_EQ(opener.Opened(), (fixture_->root() / "ovtopicslog.txt").string());
}

TEST_F(CopyRunTest, ClassSelectsEveryLevelAndFailuresAreLogged) {
  Start(Variant::kPrimary);
  form_.destination = Destination::kClass;
  form_.class_text = " 3b ";
  form_.replace_topic = false;
  form_.subfolder = Subfolder::kWork;
  fs::remove_all(fixture_->student("year4", "3b", "jones_bea"));
  fs::create_directories(fixture_->student("year3", "3b", "masterstudent") / "work/page.htm");
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "work/page.htm"), "new page");
  EXPECT_EQ(ReadFile(fixture_->student("year4", "3b", "masterstudent") / "work/page.htm"), "new page");
  EXPECT_FALSE(fs::exists(fixture_->student("year3", "3c", "brown_tom") / "work/page.htm"));
  const std::vector<std::string> expected = {
      std::string(topics::kPathMissing) + Student("year4", "3b", "jones_bea") + "work/page.htm",
      std::string(topics::kOtherFailure) + Student("year3", "3b", "masterstudent") + "work/page.htm"};
  EXPECT_EQ(Failures(), expected);
}

TEST_F(CopyRunTest, CustomGroupCopiesEveryRecordAndRefusesUnsafeFolders) {
  Start(Variant::kPrimary);
  WriteFile(fixture_->root() / "2026/group.csv",
            "\xEF\xBB\xBF\"Brown, Tom\",brown_tom,3c,year3\r\n"
            "Evil One,..,..,year3\r\n\r\n");
  form_.destination = Destination::kCustom;
  form_.group_text = " group.csv ";
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "brown_tom") / "topic3.htm"), "new page");
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm"), "old");
  const std::vector<std::string> expected = {std::string(topics::kOtherFailure) + fixture_->site_root() +
                                             "2026/year3/../../topic3.htm"};
  EXPECT_EQ(Failures(), expected);
  EXPECT_EQ(site_.students.size(), 2u);
}

// Records of the site's own list that would take a copy out of the
// student's folder, in file and in folder copies: each is logged, and
// nothing lands outside.
TEST_F(CopyRunTest, SiteListRecordsThatLeaveTheStudentFolderAreRefused) {
  Start(Variant::kPrimary);
  const fs::path outside = fixture_->source("outside");
  fs::create_directories(outside);
  fs::create_directory_symlink(outside, fixture_->student("year3", "3b", "linked"));
  fs::create_directory_symlink(outside, fixture_->student("year3", "3b", "smith_anna") / "maths");
  WriteFile(fixture_->root() / "ovshrtct.dat",
            "Abs,/abs,3b,year3\r\nDrive,C:,3b,year3\r\nLink,linked,3b,year3\r\n"
            "Smith Anna,smith_anna,3b,year3\r\nUp,../../../..,3b,year3\r\n");
  const std::string k = topics::kOtherFailure, in = fixture_->site_root() + "2026/year3/3b/";
  Run();
  EXPECT_EQ(Failures(), (std::vector<std::string>{k + in + "/abs/topic3.htm", k + in + "C:/topic3.htm",
                                                  k + in + "linked/topic3.htm",
                                                  k + in + "../../../../topic3.htm"}));
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm"), "new page");
  form_.file_mode = false;
  form_.replace_topic = false;
  Run();
  EXPECT_EQ(Failures(), (std::vector<std::string>{k + in + "/abs/maths", k + in + "C:/maths",
                                                  k + in + "linked/maths", k + in + "smith_anna/maths",
                                                  k + in + "../../../../maths"}));
  EXPECT_TRUE(fs::is_empty(outside));
  EXPECT_FALSE(fs::exists(fixture_->root().parent_path() / "topic3.htm"));
  EXPECT_FALSE(fs::exists(fixture_->root().parent_path() / "maths"));
}

TEST_F(CopyRunTest, FolderCopiesMergeAndAMissingSubfolderIsLogged) {
  Start(Variant::kPrimary);
  form_.file_mode = false;
  form_.replace_topic = false;
  form_.subfolder = Subfolder::kImages;
  const fs::path copied = fixture_->student("year3", "3b", "smith_anna") / "images/maths";
  WriteFile(copied / "sheet.txt", "sheet v1");
  WriteFile(copied / "mine.txt", "kept");
  fs::create_directory_symlink(fixture_->source("lessons"), fixture_->source("lessons/maths/link"));
  Run();
  Run();
  EXPECT_EQ(ReadFile(copied / "sheet.txt"), "sheet v2");
  EXPECT_EQ(ReadFile(copied / "more/deep.txt"), "deep");
  EXPECT_EQ(ReadFile(copied / "mine.txt"), "kept");
  EXPECT_FALSE(fs::exists(fs::symlink_status(copied / "link")));
  EXPECT_EQ(Failures(), std::vector<std::string>{});

  form_.subfolder = Subfolder::kWriting;
  form_.destination = Destination::kClass;
  form_.class_text = "3c";
  Run();
  const std::vector<std::string> expected = {
      std::string(topics::kPathMissing) + Student("year3", "3c", "brown_tom") + "writing/maths",
      std::string(topics::kPathMissing) + Student("year3", "3c", "masterstudent") + "writing/maths"};
  EXPECT_EQ(Failures(), expected);
}

// A file where the copied folder goes, and a folder copied into itself, are
// failures of that student alone, never a missing path.
TEST_F(CopyRunTest, FolderCopiesThatCannotBeMadeAreLogged) {
  Start(Variant::kPrimary);
  form_.file_mode = false;
  form_.replace_topic = false;
  form_.subfolder = Subfolder::kWork;
  form_.destination = Destination::kClass;
  form_.class_text = "3c";
  WriteFile(fixture_->student("year3", "3c", "brown_tom") / "work/maths", "a file, not a folder");
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "masterstudent") / "work/maths/sheet.txt"), "sheet v2");
  EXPECT_EQ(Failures(), std::vector<std::string>{std::string(topics::kOtherFailure) +
                                                 Student("year3", "3c", "brown_tom") + "work/maths"});

  form_.opened_folder = Student("year3", "3c", "brown_tom") + "work";
  WriteFile(fixture_->student("year3", "3c", "brown_tom") / "work/essay.txt", "essay");
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "masterstudent") / "work/work/essay.txt"), "essay");
  EXPECT_FALSE(fs::exists(fixture_->student("year3", "3c", "brown_tom") / "work/work"));
  EXPECT_EQ(Failures(), std::vector<std::string>{std::string(topics::kOtherFailure) +
                                                 Student("year3", "3c", "brown_tom") + "work/work"});
}

TEST_F(CopyRunTest, APageIsNeverCopiedOntoItself) {
  Start(Variant::kPrimary);
  const fs::path master = fixture_->student("year3", "3b", "masterstudent") / "topic3.htm";
  WriteFile(master, "the class's lesson");
  form_.selected_file_path = fixture_->text(master);
  form_.file_name = "topic3.htm";
  Run();
  EXPECT_EQ(ReadFile(master), "the class's lesson");
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "masterstudent") / "topic3.htm"), "the class's lesson");
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm"), "the class's lesson");
  const std::vector<std::string> expected = {std::string(topics::kOtherFailure) +
                                             Student("year3", "3b", "masterstudent") + "topic3.htm"};
  EXPECT_EQ(Failures(), expected);
}

TEST_F(CopyRunTest, RefusalsLeaveEverythingUntouched) {
  Start(Variant::kPrimary);
  WriteFile(fixture_->root() / "ovtopicslog.txt", "previous run\r\n");
  const std::string student_page = ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm");

  messages_.Answer(vb::vbNo);
  Run();
  form_.topic_text = "..\\..\\index";
  Run();
  form_.topic_text = "topic3";
  form_.file_mode = false;
  form_.replace_topic = false;
  for (std::string folder : {fixture_->text(fixture_->root().parent_path()), std::string("C:\\"),
                             std::string("/")}) {
    form_.opened_folder = folder;
    Run();
  }
  form_.file_mode = true;
  form_.replace_topic = true;
  form_.destination = Destination::kCustom;
  form_.group_text = "gone.csv";
  Run();

  form_.destination = Destination::kYear;
  fs::remove(fixture_->root() / "ovtopicslog.txt");
  fs::create_directories(fixture_->root() / "ovtopicslog.txt");
  Run();
  fs::remove(fixture_->root() / "ovtopicslog.txt");
  WriteFile(fixture_->root() / "ovtopicslog.txt", "previous run\r\n");

  const auto& shown = messages_.shown();
  ASSERT_EQ(shown.size(), 9u);
  EXPECT_EQ(shown[8].text, "The error log " + fixture_->site_root() + "ovtopicslog.txt could not be created.");
  EXPECT_EQ(shown[8].title, "Sorry");
  EXPECT_EQ(shown[0].title, "Are you sure?");
  EXPECT_EQ(shown[1].title, "Please complete the form");
  EXPECT_EQ(shown[1].style, 64);
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(shown[i].text, "You cannot copy a folder that contains the Orvane folder.");
    EXPECT_EQ(shown[i].title, "Sorry");
    EXPECT_EQ(shown[i].style, 16);
  }
  EXPECT_EQ(shown[6].text, "The student list " + fixture_->site_root() + "2026/gone.csv could not be read.");
  EXPECT_EQ(shown[6].style, 16);
  EXPECT_EQ(ReadFile(fixture_->root() / "ovtopicslog.txt"), "previous run\r\n");
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3b", "smith_anna") / "topic3.htm"), student_page);
  EXPECT_TRUE(status_.empty());
}

TEST_F(CopyRunTest, HighSchoolCopiesIntoTheSubjectFolder) {
  Start(Variant::kHighSchool, topics_test::kSubjectIni);
  form_.topic_text = "topic2";
  form_.destination = Destination::kClass;
  form_.class_text = "3c";
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "brown_tom") / "maths/topic2.htm"), "new page");
  EXPECT_EQ(Failures(), std::vector<std::string>{});

  form_.replace_topic = false;
  form_.subject_index = -1;
  form_.subject_text = "Science";
  Run();
  EXPECT_EQ(ReadFile(fixture_->student("year3", "3c", "masterstudent") / "science/page.htm"), "new page");
  EXPECT_EQ(messages_.shown()[2].text,
            "You are about to copy page.htm into the Orvane science\\ folder of each student in class 3c.  "
            "Are you sure you want to do this?");

  // A subject folder of an edited settings file that climbs out of the student folder.
  site_.settings.subject_group_folders[1] = "../../../../..";
  form_.destination = Destination::kCustom;
  form_.group_text = "allstudents.csv";
  for (const bool file_mode : {true, false}) {
    form_.file_mode = file_mode;
    Run();
    EXPECT_EQ(Failures().size(), 6u) << file_mode;
  }
  EXPECT_FALSE(fs::exists(fixture_->root().parent_path() / "page.htm"));
  EXPECT_FALSE(fs::exists(fixture_->root().parent_path() / "maths"));
}

TEST(TopicsLog, HeaderIsMonthDayYearOnTheTwentyFourHourClock) {
  testing_support::TempDrives drives("D");
  const char* old_tz = std::getenv("TZ");
  const std::string saved = old_tz != nullptr ? old_tz : "";
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const std::time_t when = 1796738709;  // 8 December 2026, 14:05:09
  for (Variant v : {Variant::kPrimary, Variant::kHighSchool}) {
    vb::LineWriter log("D:\\log.txt");
    topics::WriteLogHeader(log, v, when);
    log.Close();
    const std::string second = v == Variant::kPrimary ? "The following errors were encountered:\r\n" : "";
    EXPECT_EQ(ReadFile(drives.drive('d') / "log.txt"),
              "Error log for Orvane Topics Utility - 12-08-2026 14:05:09\r\n" + second + " \r\n");
  }
  if (old_tz != nullptr) ::setenv("TZ", saved.c_str(), 1);
  else ::unsetenv("TZ");
  ::tzset();
}
