// A small school for the page writers' tests: a program folder with a theme,
// the writing page and document on drive C, and a site root on drive D.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "site/build_run.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_settings.h"
#include "tests/support/temp_drives.h"

namespace pages_test {

class SchoolFixture {
 public:
  SchoolFixture();
  ~SchoolFixture();

  // Makes D:\orvane\<year> current and writes the Year Pages page.
  void StartYear();
  // Writes C:\prog\<level>.txt and builds that level (a row of YearLevelTable).
  void BuildLevel(int table_row, const std::string& list);
  // Closes the student list and returns its bytes.
  std::string StudentList();

  // A site file's bytes; fails the test when its lines do not all end in CR LF.
  std::string Page(const std::string& relative) const;
  // Its lines without their leading blanks.
  std::vector<std::string> Lines(const std::string& relative) const;
  // Every file and folder under D:\orvane\<year>, relative, sorted ("/" after folders).
  std::vector<std::string> Tree(const std::string& below = "") const;

  std::filesystem::path site() const { return drives_.drive('D') / "orvane"; }

  site::BuildContext ctx;
  builder::PlainBuildSettings settings;
  builder::NoProgressWindow progress;
  site::BuildRun run{ctx, settings, progress};

 private:
  testing_support::TempDrives drives_;
  std::unique_ptr<vb::LineWriter> student_list_;
};

}  // namespace pages_test
