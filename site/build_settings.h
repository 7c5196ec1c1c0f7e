// What the user chose on the main window. The build reads each choice when it
// needs it; the main window answers from its controls, tests from plain values.
#pragma once

#include <array>
#include <string>

namespace builder {

enum class ImagePlacement { Shared, Replicated };
enum class FolderNaming { Generic, FromNames };
enum class PageLayout { K6, Subject };

class BuildSettings {
 public:
  virtual ~BuildSettings() = default;

  virtual std::string SiteSchoolName() const = 0;     // Text1, untrimmed
  virtual std::string SiteYear() const = 0;           // Text2, untrimmed
  virtual std::string TargetDriveLetter() const = 0;  // Text3
  virtual std::string SiteSchoolCode() const = 0;     // Text4
  virtual int Theme() const = 0;                      // row of ThemeTable, 0..3
  virtual int FontChoice() const = 0;                 // row of FontTable, 0..2
  virtual builder::ImagePlacement ImagePlacement() const = 0;
  virtual builder::FolderNaming FolderNaming() const = 0;
  virtual builder::PageLayout PageLayout() const = 0;
  virtual bool EvaluationSection() const = 0;         // Check15 ticked
  virtual bool WritingPortfolio() const = 0;          // Check16 ticked
  virtual bool LastYearLink() const = 0;              // Check17 ticked
  virtual bool YearLevel(int row) const = 0;          // Check1..Check14 ticked; row 0..13
};

// Choices held as plain values, for tests and the benchmark.
struct PlainBuildSettings : BuildSettings {
  std::string school_name = "Sample Public School";
  std::string year = "2026";
  std::string drive = "D";
  std::string school_code = "1234";
  int theme = 0;
  int font = 1;
  builder::ImagePlacement placement = builder::ImagePlacement::Replicated;
  builder::FolderNaming naming = builder::FolderNaming::Generic;
  builder::PageLayout layout = builder::PageLayout::K6;
  bool evaluation = false;
  bool portfolio = true;
  bool last_year_link = false;
  std::array<bool, 14> levels{};

  std::string SiteSchoolName() const override { return school_name; }
  std::string SiteYear() const override { return year; }
  std::string TargetDriveLetter() const override { return drive; }
  std::string SiteSchoolCode() const override { return school_code; }
  int Theme() const override { return theme; }
  int FontChoice() const override { return font; }
  builder::ImagePlacement ImagePlacement() const override { return placement; }
  builder::FolderNaming FolderNaming() const override { return naming; }
  builder::PageLayout PageLayout() const override { return layout; }
  bool EvaluationSection() const override { return evaluation; }
  bool WritingPortfolio() const override { return portfolio; }
  bool LastYearLink() const override { return last_year_link; }
  bool YearLevel(int row) const override { return row >= 0 && row < 14 && levels[row]; }
};

}  // namespace builder
