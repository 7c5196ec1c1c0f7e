#include "school_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "builder/core/tables.h"
#include "builder/pages/page_writers.h"
#include "builder/pages/progress_quips.h"
#include "platform/paths.h"
#include "tests/support/page_text.h"
#include "tests/support/site_pages.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace pages_test {

namespace {

const char* const kImages[] = {"but-yrpg.jpg", "but-home.jpg", "but-clpg.jpg", "but-stpg.jpg",
                               "but-mypg.jpg", "but-clik.jpg", "owl.gif"};

}  // namespace

SchoolFixture::SchoolFixture() : drives_("CD") {
  const fs::path prog = drives_.drive('C') / "prog";
  for (const char* image : kImages) WriteFile(prog / "fire" / image, std::string("img ") + image);
  WriteFile(prog / "writing.doc", "{\\rtf1 writing}");
  WriteFile(site() / "writing.htm", "<html>writing</html>\r\n");
  for (const char* image : kImages) WriteFile(site() / "ovimages" / image, image);

  ctx.TargetDrive = "D:";
  ctx.ThemeFolder = "\\fire";
  ctx.ThemeColour1 = "#999966";
  ctx.ThemeColour2 = "#C0C0C0";
  ctx.FontFace = "Arial";
  ctx.ProgramFolder = "C:\\prog\\";
  ctx.ImageSubfolder = "ovimages\\";
  ctx.LastYear = "2025";
  settings.school_name = "Hill Street School";
  settings.year = "2026";
  builder::ResetProgressQuips();

  vb::ChDrive("D:");
  student_list_ = std::make_unique<vb::LineWriter>("D:\\orvane\\ovshrtct.srt");
  run.student_list = student_list_.get();
}

SchoolFixture::~SchoolFixture() { student_list_.reset(); }

void SchoolFixture::StartYear() {
  const std::string year = "D:\\orvane\\" + settings.year;
  vb::MkDir(year);
  vb::ChDrive("D:");
  vb::ChDir(year);
  builder::YearIndexPage(run);
  builder::PublishYearPages(run);
}

void SchoolFixture::BuildLevel(int table_row, const std::string& list) {
  const builder::YearLevelRow& row = builder::YearLevelTable[table_row];
  WriteFile(drives_.drive('C') / "prog" / std::string(row.list_file), list);
  ctx.LevelFolderName = std::string(row.folder);
  ctx.LevelHeading = std::string(row.heading);
  builder::BuildYearLevel(run, "C:\\prog\\" + std::string(row.list_file));
}

std::string SchoolFixture::StudentList() {
  student_list_->Close();
  return ReadFile(site() / "ovshrtct.srt");
}

std::string SchoolFixture::Page(const std::string& relative) const {
  const fs::path file = site() / relative;
  EXPECT_TRUE(fs::is_regular_file(file)) << relative;
  const std::string bytes = ReadFile(file);
  EXPECT_EQ(testing_support::LineEndFault(bytes), "") << relative;
  return bytes;
}

std::vector<std::string> SchoolFixture::Lines(const std::string& relative) const {
  std::vector<std::string> lines = testing_support::CrLfLines(Page(relative));
  for (std::string& line : lines) line.erase(0, line.find_first_not_of(' '));
  return lines;
}

std::vector<std::string> SchoolFixture::Tree(const std::string& below) const {
  const fs::path top = site() / settings.year / below;
  std::vector<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    std::string name = fs::relative(entry.path(), top).generic_string();
    if (entry.is_directory()) name += "/";
    entries.push_back(name);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace pages_test
