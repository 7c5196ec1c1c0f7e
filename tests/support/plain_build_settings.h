// The user's choices held as plain values, for the builder's tests and the
// benchmarks, in place of the main window.
#pragma once

#include <array>
#include <string>

#include "site/build_settings.h"

namespace builder {

struct PlainBuildSettings : site::BuildSettings {
  std::string school_name = "Sample Public School";
  std::string year = "2026";
  std::string drive = "D";
  std::string school_code = "1234";
  int theme = 0;
  int font = 1;
  site::ImagePlacement placement = site::ImagePlacement::Replicated;
  site::FolderNaming naming = site::FolderNaming::Generic;
  site::PageLayout layout = site::PageLayout::K6;
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
  site::ImagePlacement ImagePlacement() const override { return placement; }
  site::FolderNaming FolderNaming() const override { return naming; }
  site::PageLayout PageLayout() const override { return layout; }
  bool EvaluationSection() const override { return evaluation; }
  bool WritingPortfolio() const override { return portfolio; }
  bool LastYearLink() const override { return last_year_link; }
  bool YearLevel(int row) const override { return row >= 0 && row < 14 && levels[row]; }
};

}  // namespace builder
