// orvane_preview_pages: writes the K-6 preview pages index<v|a|t>.htm of the
// four theme folders of a program folder, with the real student home page.
//
// Usage: orvane_preview_pages <program folder, absolute>
#include <cstdio>
#include <string>

#include "builder/core/tables.h"
#include "builder/pages/level_writers.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "site/build_context.h"
#include "site/build_run.h"
#include "site/build_settings.h"
#include "site/progress_window.h"

namespace {

// The choices every preview page is written with: the sample school's name,
// the pictures beside the page, the writing portfolio on the twelfth topic.
class PreviewSettings : public site::BuildSettings {
 public:
  std::string SiteSchoolName() const override { return "Sample Public School"; }
  std::string SiteYear() const override { return "2026"; }
  std::string TargetDriveLetter() const override { return "D"; }
  std::string SiteSchoolCode() const override { return "1234"; }
  int Theme() const override { return 0; }
  int FontChoice() const override { return 1; }
  site::ImagePlacement ImagePlacement() const override {
    return site::ImagePlacement::Replicated;
  }
  site::FolderNaming FolderNaming() const override { return site::FolderNaming::Generic; }
  site::PageLayout PageLayout() const override { return site::PageLayout::K6; }
  bool EvaluationSection() const override { return false; }
  bool WritingPortfolio() const override { return true; }
  bool LastYearLink() const override { return false; }
  bool YearLevel(int) const override { return false; }
};

// Writing one page shows no progress.
class NoProgress : public site::ProgressWindow {
 public:
  void Show() override {}
  void Hide() override {}
  void SetLabel1(const std::string&) override {}
  void SetLabel3(const std::string&) override {}
  void Repaint() override {}
};

// The page of a new student, as every class's master page shows it; its
// pictures are the theme folder's own, beside the page.
void WritePreviewPage(const std::string& theme_folder, const builder::ThemeRow& theme,
                      const builder::FontRow& font) {
  site::BuildContext ctx;
  ctx.ThemeColour1 = std::string(theme.colour1);
  ctx.ThemeColour2 = std::string(theme.colour2);
  ctx.FontFace = std::string(font.face);
  ctx.MasterFlag = 0;

  PreviewSettings settings;
  NoProgress progress;
  site::BuildRun run{ctx, settings, progress};
  const std::string name = std::string("index") + font.preview_letter + ".htm";
  builder::WriteK6HomePage(run, theme_folder + name);
}

}  // namespace

int main(int argc, char** argv) {
  // A relative folder would be read as one on the current drive.
  if (argc != 2 || argv[1][0] != '/') {
    std::fprintf(stderr, "usage: %s <program folder, absolute>\n", argv[0]);
    return 2;
  }
  const std::string program_folder = vb::Utf8To1252(argv[1]) + "/";
  try {
    for (const builder::ThemeRow& theme : builder::ThemeTable) {
      // The table names the folder with a leading "\".
      const std::string folder = program_folder + std::string(theme.folder.substr(1)) + "/";
      for (const builder::FontRow& font : builder::FontTable) WritePreviewPage(folder, theme, font);
    }
  } catch (const vb::Error& error) {
    std::fprintf(stderr, "%s: error %d: %s\n", argv[0], error.number(), error.what());
    return 1;
  }
  return 0;
}
