// What the user chose on the main window. The build reads each choice when it
// needs it; the main window answers from its controls, tests from plain values.
#pragma once

#include <string>

namespace site {

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
  virtual site::ImagePlacement ImagePlacement() const = 0;
  virtual site::FolderNaming FolderNaming() const = 0;
  virtual site::PageLayout PageLayout() const = 0;
  virtual bool EvaluationSection() const = 0;         // Check15 ticked
  virtual bool WritingPortfolio() const = 0;          // Check16 ticked
  virtual bool LastYearLink() const = 0;              // Check17 ticked
  virtual bool YearLevel(int row) const = 0;          // Check1..Check14 ticked; row 0..13
};

}  // namespace site
