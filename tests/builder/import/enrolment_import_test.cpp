#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/core/tables.h"
#include "builder/import/enrolment_import.h"
#include "common/open_with.h"
#include "platform/msgbox.h"
#include "platform/vb_error.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using builder::EnrolmentFormat;
using builder::EnrolmentSource;
using testing_support::ReadFile;
using testing_support::ScriptedMessages;
using testing_support::TempDrives;
using testing_support::WriteFile;

namespace {

const std::string kAdvice =
    " \r\nIf you continue, Orvane pages will not be made for these students. Otherwise, exit "
    "Orvanesetup, correct these errors in your SCHOOL file, then re-run OrvaneSetup.\r\n";

// Records what the import does with the progress window.
class RecordingProgress : public site::ProgressWindow {
 public:
  void Show() override { events.push_back("show"); }
  void Hide() override { events.push_back("hide"); }
  void SetLabel1(const std::string& text) override { events.push_back("1:" + text); }
  void SetLabel3(const std::string& text) override { events.push_back("3:" + text); }
  void Repaint() override { events.push_back("repaint"); }
  std::vector<std::string> events;
};

class EnrolmentImport : public ::testing::Test {
 protected:
  EnrolmentImport() : program_(drives_.root() / "program") {
    fs::create_directories(program_);
    folder_ = program_.string() + "/";
    ::setenv("ORVANE_OPEN_COMMAND", "true", 1);  // no viewer comes up
  }
  ~EnrolmentImport() override { ::unsetenv("ORVANE_OPEN_COMMAND"); }

  std::array<bool, 14> Import(const std::string& export_bytes, EnrolmentFormat format,
                              const std::string& name = "export.csv") {
    WriteFile(drives_.drive('d') / name, export_bytes);
    return builder::ImportEnrolment({"D:\\" + name, format}, folder_, progress_);
  }

  // The message box shown when the import ends the program.
  vb::MessageBoxRequest FatalBox(const EnrolmentSource& source) {
    ScriptedMessages messages;
    EXPECT_THROW(builder::ImportEnrolment(source, folder_, progress_), vb::EndProgram);
    EXPECT_EQ(messages.shown().size(), 1u);
    return messages.shown().empty() ? vb::MessageBoxRequest{} : messages.shown().front();
  }

  std::string List(const std::string& name) const { return ReadFile(program_ / name); }

  // Every year list that is not named in `filled` exists and is empty.
  void ExpectOtherListsEmpty(const std::vector<std::string>& filled) const {
    for (const auto& level : builder::YearLevelTable) {
      const std::string name(level.list_file);
      if (std::find(filled.begin(), filled.end(), name) != filled.end()) continue;
      EXPECT_TRUE(fs::exists(program_ / name)) << name;
      EXPECT_EQ(List(name), "") << name;
    }
  }

  TempDrives drives_{"CD"};
  fs::path program_;
  std::string folder_;
  RecordingProgress progress_;
};

}  // namespace

TEST_F(EnrolmentImport, ConsoleExport) {
  WriteFile(program_ / "year5.txt", "left from the last start\r\n");
  // The log takes the road of every file opened: the helper, which offers
  // the Open With choice when no viewer opens it, with a copy kept for it.
  std::string handed, kept;
  setenv("XDG_CACHE_HOME", (drives_.root() / "cache").c_str(), 1);
  common::SetOpenWithHelper([&](const std::string& file, const std::string& copy) {
    handed = file;
    kept = copy;
  });
  ScriptedMessages messages;
  const auto filed = Import(
      "LastName,FirstName,Gender,DOB,ScholasticYear,RollClass,Status\r\n"
      "Smith,Jane,F,2019-03-02,YRK,RCKB,Active\r\n"
      "O'Brien,Liam,M,2016-05-01,YR3,RC3A,Active\r"
      "\"Zo\xEB\",\"Anne-Marie\",\"F\",\"2016-01-01\",\"YR3\",\"RC3A\",\"Active\"\r\n"
      "Walker,Sam,M,2010-01-01,YR 10,RC10G,\r\n"
      "Nguyen,,F,2016-01-01,YR3,RC3A,Active\r\n"
      "Brown,Tom,M,2016-01-01,,RC3A,Active\r\n"
      "Lee,Amy,F,2016-01-01,YR3,,Active\r\n"
      "Short,Row,F,2016-01-01,YR3,RC3A\r\n"
      "Gone,Nobody,M,2016-01-01,YR,RC3A,\r\n"
      "Older,Pat,M,2008-01-01,YR13,RC13,\r\n"
      "LASTNAME,FIRSTNAME,again\r\n"
      "Pre,Kit,F,2021-01-01,P,RC,\r\n"
      "Hall,Ivy,F,2016-01-01,yr3,Blue Group,\r\n",
      EnrolmentFormat::Console);

  EXPECT_EQ(List("kinder.txt"), "Smith,Jane,KB\r\n");
  EXPECT_EQ(List("year3.txt"),
            "O'Brien,Liam,3A\r\nZo\xEB,Anne-Marie,3A\r\nHall,Ivy,Blue Group\r\n");
  EXPECT_EQ(List("year10.txt"), "Walker,Sam,10G\r\n");
  EXPECT_EQ(List("presch.txt"), "Pre,Kit,\r\n");
  ExpectOtherListsEmpty({"kinder.txt", "year3.txt", "year10.txt", "presch.txt"});
  EXPECT_EQ(List("errorlog.txt"),
            "In your school admin system, Nguyen does not have a preferred name entered.\r\n"
            "In your school admin system, Brown Tom does not have a Scholastic Year entered.\r\n"
            "In your school admin system, Lee Amy does not have a Roll Class entered.\r\n" +
                kAdvice);

  std::array<bool, 14> expected{};
  expected[0] = expected[1] = expected[4] = expected[11] = true;
  EXPECT_EQ(filed, expected);

  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].title, "Errors in Enrolment Data");
  EXPECT_EQ(messages.shown()[0].text,
            "There were errors found in your enrolment data.  Click OK to view the errors.");
  EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
  EXPECT_EQ(handed, (program_ / "errorlog.txt").string());
  EXPECT_EQ(ReadFile(kept), List("errorlog.txt"));
  common::SetOpenWithHelper(nullptr);
  unsetenv("XDG_CACHE_HOME");

  // The rows of year YR and YR13 show their names but are written nowhere.
  const std::vector<std::string> shown_names = {
      "3:Jane Smith",  "3:Liam O'Brien", "3:Anne-Marie Zo\xEB", "3:Sam Walker",
      "3:Nobody Gone", "3:Pat Older",    "3:Kit Pre",           "3:Ivy Hall"};
  std::vector<std::string> names;
  for (const auto& event : progress_.events) {
    if (event.rfind("3:", 0) == 0) names.push_back(event);
  }
  EXPECT_EQ(names, shown_names);
  EXPECT_EQ(progress_.events.front(), "1:D:\\export.csv");
  EXPECT_EQ(progress_.events.back(), "hide");
}

TEST_F(EnrolmentImport, SchoolExportWithALogViewerThatCannotStart) {
  ::setenv("ORVANE_OPEN_COMMAND", (drives_.root() / "no-such-viewer").c_str(), 1);  // no error
  ScriptedMessages messages;
  const auto filed = Import(
      "Surname:,Given Name,Grade,Class\r\n"
      "Adams,Ben,K,KB\r\n"
      "Baker,Cleo,k,KB\r\n"
      "Clark,Dan,J,KR\r\n"
      "Davis,Eve,j,KR\r\n"
      "Evans,Fay,6,6WAY,extra\r\n"
      "Ford,Gus,,6WAY,extra\r\n"
      "Greenwood,Hal\r\n"
      "Hill,Ian,4,\r\n"
      "\"Irwin\",\"Jo\",\"4\",\"4GER\"\r\n"
      "Jones,Kai,12,A class name much longer than thirty\r\n"
      "surname:,given name,grade,class\r\n",
      EnrolmentFormat::School, "school.csv");

  EXPECT_EQ(List("kinder.txt"),
            "Adams,Ben,KB\r\nBaker,Cleo,KB\r\nClark,Dan,KR\r\nDavis,Eve,KR\r\n");
  EXPECT_EQ(List("year4.txt"), "Irwin,Jo,4GER\r\n");
  EXPECT_EQ(List("year12.txt"), "Jones,Kai,A class name much longer than\r\n");
  ExpectOtherListsEmpty({"kinder.txt", "year4.txt", "year12.txt"});
  EXPECT_EQ(List("errorlog.txt"),
            "In your school.csv file, Evans Fay has too many comma delimiters.  Commas are not "
            "allowed in names.\r\n"
            "In your school admin system, Ford Gus does not have a Scholastic Year entered.\r\n"
            "In your school.csv file, Greenwood does not have a preferred name entered.\r\n"
            "In your school admin system, Hill Ian does not have a Roll Class entered.\r\n" +
                kAdvice);
  std::array<bool, 14> expected{};
  expected[1] = expected[5] = expected[13] = true;
  EXPECT_EQ(filed, expected);
  // A header in the wrong case is a row of no year level.
  EXPECT_EQ(progress_.events[progress_.events.size() - 3], "3:given name surname:");
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(EnrolmentImport, LinuxLineEndsAndNoFaults) {
  ScriptedMessages messages;
  const auto filed = Import(
      "Surname:,Given Name,Grade,Class\n"
      "Adams,Ben,1,1B\n"
      "Baker,Cleo,2,2R\r\n"
      "Clark,Dan,2,2R\n\n"
      "Davis,Eve,2,2R with a long class name",
      EnrolmentFormat::School);
  EXPECT_EQ(List("year1.txt"), "Adams,Ben,1B\r\n");
  EXPECT_EQ(List("year2.txt"),
            "Baker,Cleo,2R\r\nClark,Dan,2R\r\nDavis,Eve,2R with a long class name\r\n");
  EXPECT_TRUE(fs::exists(program_ / "errorlog.txt"));
  EXPECT_EQ(List("errorlog.txt"), "");
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(filed[2] && filed[3]);
}

TEST_F(EnrolmentImport, MainWindowComesUpBeforeTheErrorsBox) {
  const vb::MessageBoxHandler previous = vb::SetMessageBoxHandler([this](const auto& box) {
    progress_.events.push_back("box:" + box.title);
    return vb::vbOK;
  });
  WriteFile(drives_.drive('d') / "export.csv",
            "Adams,,1,1B\r\nBaker,Cleo,2,2R\r\n" + std::string(100, ' ') + "\r\n");
  builder::ImportEnrolment({"D:\\export.csv", EnrolmentFormat::School}, folder_, progress_,
                           [this](const auto&) { progress_.events.push_back("main"); });
  vb::SetMessageBoxHandler(previous);
  const std::vector<std::string> last(progress_.events.end() - 3, progress_.events.end());
  EXPECT_EQ(last, (std::vector<std::string>{"hide", "main", "box:Errors in Enrolment Data"}));
}

TEST_F(EnrolmentImport, ShortExportEndsTheProgram) {
  const std::string row = "Smith,Jane,F,2019-03-02,YRK,RCKB,Active\r\n";  // 41 bytes
  std::string bytes = row + row + std::string(17, ' ');
  ASSERT_EQ(bytes.size(), 99u);
  WriteFile(drives_.drive('d') / "short.csv", bytes);
  auto box = FatalBox({"D:\\short.csv", EnrolmentFormat::Console});
  EXPECT_EQ(box.text,
            "It appears that StudentsRecord.csv file has not been exported from Vantel Console "
            "correctly.  Orvane will now close.");
  EXPECT_EQ(box.title, "Severe Problem");
  EXPECT_EQ(box.style, vb::vbCritical);
  EXPECT_FALSE(fs::exists(program_ / "presch.txt"));
  EXPECT_NE(progress_.events.back(), "hide");  // stays up until the program is gone

  box = FatalBox({"D:\\short.csv", EnrolmentFormat::School});
  EXPECT_EQ(box.text,
            "It appears that school.csv file has not been exported from your school admin system "
            "correctly.  Orvane will now close.");

  // One byte more is read.
  ScriptedMessages messages;
  Import(bytes + " ", EnrolmentFormat::Console);
  EXPECT_EQ(List("kinder.txt"), "Smith,Jane,KB\r\nSmith,Jane,KB\r\n");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EnrolmentImport, MissingExportEndsTheProgram) {
  const std::string console_text =
      "It appears that you have not exported student details from Vantel Console and placed the "
      "StudentsRecord.csv file in the OrvaneSetup folder.  Please do that first.  Orvane will now "
      "close.";
  auto box = FatalBox({"C:\\orvanesetup\\StudentsRecord.csv", EnrolmentFormat::Console});
  EXPECT_EQ(box.text, console_text);
  EXPECT_EQ(box.title, "Severe Problem");
  EXPECT_EQ(box.style, vb::vbCritical);
  fs::create_directories(drives_.drive('c') / "orvanesetup");
  EXPECT_EQ(FatalBox({"C:\\orvanesetup\\StudentsRecord.csv", EnrolmentFormat::Console}).text,
            console_text);
  EXPECT_EQ(FatalBox({"Q:\\StudentsRecord.csv", EnrolmentFormat::Console}).text, console_text);
  EXPECT_EQ(FatalBox({"", EnrolmentFormat::Console}).text, console_text);

  box = FatalBox({"C:\\orvanesetup\\school.csv", EnrolmentFormat::School});
  EXPECT_EQ(box.text,
            "It appears that you have not exported student details from your school admin system "
            "and placed the school.csv file in the OrvaneSetup folder.  Please do that first.  The "
            "school.csv file should be a plain text file consisting of your students' details in "
            "alphabetical order.  The required fields are Surname, Given Name, Grade, Class - eg."
            "\n\r\n\rSmith, Jane, 6, 6WAY\n\rBrown, Tom, 4, 4GER\n\rNguyen, Linh, 3, 3TIN - and so "
            "on\n\r\n\rOrvane will now close.");
}

TEST_F(EnrolmentImport, ProgramFolderThatCannotBeWrittenEndsTheProgram) {
  WriteFile(drives_.drive('d') / "export.csv", std::string(120, 'x'));
  folder_ = (drives_.root() / "missing").string() + "/";
  const auto box = FatalBox({"D:\\export.csv", EnrolmentFormat::Console});
  EXPECT_EQ(box.text,
            "An Error Code  76 has occurred.  Please contact Ondrel Venth at "
            "support@orvane.example reporting the problem and what you were trying to do.  "
            "Orvane will now close.");
  EXPECT_EQ(box.title, "Severe Problem");
}

// The shipped samples, found in the setup folder as a start without "/F="
// finds a school's own export: five levels, the names that test the rules,
// and the faulty rows logged.
TEST_F(EnrolmentImport, ShippedSamples) {
  const std::string console_log =
      "In your school admin system, Brown Liam does not have a Scholastic Year entered.\r\n"
      "In your school admin system, Taylor does not have a preferred name entered.\r\n"
      "In your school admin system, Wilson Ella does not have a Roll Class entered.\r\n" +
      kAdvice;
  const std::string school_log =
      "In your school admin system, Brown Liam does not have a Scholastic Year entered.\r\n"
      "In your school.csv file, Kowalski does not have a preferred name entered.\r\n"
      "In your school.csv file, Lim Wei has too many comma delimiters.  Commas are not "
      "allowed in names.\r\n"
      "In your school.csv file, Taylor does not have a preferred name entered.\r\n"
      "In your school admin system, Wilson Ella does not have a Roll Class entered.\r\n" +
      kAdvice;
  const fs::path setup = drives_.drive('c') / "orvanesetup";
  fs::create_directories(setup);
  for (const auto& [name, log] : {std::pair{"school.csv", school_log},
                                  std::pair{"StudentsRecord.csv", console_log}}) {
    SCOPED_TRACE(name);
    ScriptedMessages messages;
    fs::copy_file(fs::path(ORVANE_SAMPLES_DIR) / name, setup / name);
    const EnrolmentSource source = builder::ParseEnrolmentOption("");
    EXPECT_EQ(source.EnrolmentPath, std::string("C:\\orvanesetup\\") + name);
    std::array<bool, 14> expected{};
    for (int level = 1; level <= 5; ++level) expected[level] = true;  // kinder to year 4
    EXPECT_EQ(builder::ImportEnrolment(source, folder_, progress_), expected);
    EXPECT_NE(List("year3.txt").find("\r\nHadley,Noah,3T\r\n"), std::string::npos);
    EXPECT_NE(List("year3.txt").find("\r\nO'Brien,Siobhan,3T\r\n"), std::string::npos);
    EXPECT_NE(List("year2.txt").find("\r\nSmith-Jones,Mary-Kate,2S\r\n"), std::string::npos);
    EXPECT_NE(List("year4.txt").find("\r\nM\xFCller,Zo\xEB,4L\r\n"), std::string::npos);
    EXPECT_EQ(List("errorlog.txt"), log);
    EXPECT_EQ(messages.shown().size(), 1u);
  }
}
