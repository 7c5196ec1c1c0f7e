// Folders named from the export, imported and built whole: a name is cut to
// fit the file system, no two classes or students share a folder, and the
// pages' links and the student list name the folders that were made.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/import/enrolment_import.h"
#include "platform/text.h"
#include "tests/builder/install/install_fixture.h"
#include "tests/support/page_text.h"

namespace {

namespace fs = std::filesystem;
using install_testing::InstallTest;
using testing_support::ReadFile;

struct Row {
  const char* what;
  std::string line;    // of the console export
  std::string record;  // its line in the student list
};

TEST_F(InstallTest, FolderNamesFitAndNeverShareAFolder) {
  const std::string e_acute(1, '\xE9');  // two bytes on disk
  std::string long_surname = "X";
  for (int i = 0; i < 5000; ++i) long_surname += e_acute;
  std::string long_folder = "x";
  for (int i = 0; i < 99; ++i) long_folder += e_acute;  // 199 bytes: the next would be 201
  const std::string long_class = "C" + std::string(9999, 'l');
  const std::string long_class_folder = "c" + std::string(199, 'l');
  const std::string huge_surname(40000, 'q');  // its record would not fit the sort's line

  const Row rows[] = {
      {"a long name", long_surname + ",Jo,,,YR3,RC3A,", long_surname + " Jo," + long_folder + ",3a,year3"},
      {"another cut to the same", long_surname + ",Kim,,,YR3,RC3A,",
       long_surname + " Kim," + long_folder + "2,3a,year3"},
      {"a name", "Smith,Jo,,,YR3,RC3A,", "Smith Jo,smith_jo,3a,year3"},
      {"the same name", "Smith,Jo,,,YR3,RC3A,", "Smith Jo,smith_jo2,3a,year3"},
      {"the same name in another case", "SMITH,jo,,,YR3,RC3A,", "SMITH jo,smith_jo3,3a,year3"},
      {"a class colliding with 3A", "Smith,Jo,,,YR3,RC3a,", "Smith Jo,smith_jo,3a2,year3"},
      {"a name longer than the sort's line", huge_surname + ",Al,,,YR3,RC3A,",
       huge_surname.substr(0, 30000) + "," + std::string(200, 'q') + ",3a,year3"},
      {"a long class", "Lee,Ann,,,YR3," + long_class + ",", "Lee Ann,lee_ann," + long_class_folder + ",year3"},
      {"a leading unmatched quote", "\"O'Neil,Kim,,,YR3,RC3A,", "O'Neil Kim,o'neil_kim,3a,year3"},
      {"the same after a tab", "Tan,\t\"Mei,,,YR3,RC3A,", "Tan Mei,tan_mei,3a,year3"},
      {"an inner quote", "Ng,Jo\"ey,,,YR3,RC3A,", "Ng Jo\"ey,ng_joey,3a,year3"},
  };
  std::string export_bytes = "LastName,FirstName,LegalFirstName,Gender,ScholasticYear,RollClass,StudentNumber\r\n";
  for (const Row& row : rows) export_bytes += row.line + "\r\n";
  testing_support::WriteFile(drives.drive('C') / "orvanesetup" / "StudentsRecord.csv", export_bytes);
  builder::NoProgressWindow import_progress;
  settings.levels = builder::ImportEnrolment(
      {"C:\\orvanesetup\\StudentsRecord.csv", builder::EnrolmentFormat::Console}, ctx.ProgramFolder,
      import_progress);
  settings.naming = site::FolderNaming::FromNames;

  Install();

  ASSERT_EQ(Titles(), (std::vector<std::string>{"Orvane Results"}));
  const std::vector<std::string> records = testing_support::CrLfLines(SiteFile("ovshrtct.dat"));
  const fs::path level = Site() / "2026" / "year3";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(std::count(records.begin(), records.end(), row.record), 1);
    // The record's folders: the student's holds its pages, and the class
    // page and the class-list page link to them.
    const size_t level_at = row.record.rfind(',');
    const size_t class_at = row.record.rfind(',', level_at - 1);
    const size_t student_at = row.record.rfind(',', class_at - 1);
    const std::string class_folder = row.record.substr(class_at + 1, level_at - class_at - 1);
    const std::string student_folder = row.record.substr(student_at + 1, class_at - student_at - 1);
    const fs::path class_path = level / vb::Utf8From1252(class_folder);
    EXPECT_TRUE(fs::is_regular_file(class_path / vb::Utf8From1252(student_folder) / "topic1.htm"));
    EXPECT_NE(ReadFile(class_path / "index.htm").find("href=\"" + student_folder + "/index.htm\""),
              std::string::npos);
    EXPECT_NE(ReadFile(level / "index.htm").find("href=\"" + class_folder + "/index.htm\""),
              std::string::npos);
  }
}

}  // namespace
