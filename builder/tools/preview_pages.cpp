// orvane_preview_pages: writes the K-6 preview pages index<v|a|t>.htm of the
// four theme folders of a program folder, with the real student home page.
//
// Usage: orvane_preview_pages <program folder>
#include <cstdio>
#include <string>

#include "builder/core/build_context.h"
#include "builder/core/build_run.h"
#include "builder/core/build_settings.h"
#include "builder/core/progress_window.h"
#include "builder/core/tables.h"
#include "builder/pages/level_writers.h"
#include "platform/native_paths.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace {

// The page of a new student, as every class's master page shows it; its
// pictures are the theme folder's own, beside the page.
void WritePreviewPage(const std::filesystem::path& theme_folder, const builder::ThemeRow& theme,
                      const builder::FontRow& font) {
  builder::BuildContext ctx;
  ctx.ThemeColour1 = std::string(theme.colour1);
  ctx.ThemeColour2 = std::string(theme.colour2);
  ctx.FontFace = std::string(font.face);
  ctx.MasterFlag = 0;

  builder::PlainBuildSettings settings;
  settings.school_name = "Sample Public School";
  settings.placement = builder::ImagePlacement::Replicated;
  settings.portfolio = true;

  builder::NoProgressWindow progress;
  builder::BuildRun run{ctx, settings, progress};
  const std::string name = std::string("index") + font.preview_letter + ".htm";
  builder::WriteK6HomePage(run, vb::NativeToText(theme_folder / name));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
    return 2;
  }
  // A relative folder would be read as one on the current drive.
  const std::filesystem::path program_folder = vb::AbsoluteNative(argv[1]);
  try {
    for (const builder::ThemeRow& theme : builder::ThemeTable) {
      // The table names the folder with a leading "\".
      const std::filesystem::path folder = program_folder / std::string(theme.folder.substr(1));
      for (const builder::FontRow& font : builder::FontTable) WritePreviewPage(folder, theme, font);
    }
  } catch (const vb::Error& error) {
    std::fprintf(stderr, "%s: error %d: %s\n", argv[0], error.number(), error.what());
    return 1;
  }
  return 0;
}
