#include "builder/install/site_files.h"

#include <string>

#include "builder/install/copy_one.h"
#include "common/replace_in_file.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "platform/text.h"

namespace builder {

const std::array<std::string_view, 40> SiteImageList{
    "but-yrpg.jpg", "but-help.jpg", "but-int.jpg",  "but-groups.jpg", "but-2002.jpg",
    "but-2003.jpg", "but-2004.jpg", "but-2005.jpg", "but-2006.jpg",   "but-2007.jpg",
    "but-2008.jpg", "but-2009.jpg", "but-2010.jpg", "but-2011.jpg",   "but-2012.jpg",
    "but-cant.jpg", "but-home.jpg", "but-clpg.jpg", "but-coun.jpg",   "but-info.jpg",
    "but-p&c.jpg",  "but-prin.jpg", "but-src.jpg",  "but-cntc.jpg",   "but-fclt.jpg",
    "but-lbry.jpg", "but-newl.jpg", "but-phto.jpg", "but-scpg.jpg",   "but-staf.jpg",
    "but-comm.jpg", "but-clnd.jpg", "but-link.jpg", "but-news.jpg",   "but-plcy.jpg",
    "but-sprt.jpg", "but-stpg.jpg", "but-mypg.jpg", "but-clik.jpg",   "owl.gif",
};

namespace {

// Runs one copy of the build; an error 75 passes over it.
void Copy(const std::string& source, const std::string& target) {
  site::PassOver75([&] { CopyOne(source, target); });
}

// The button of last year when the Year Pages page links to it and the
// themes ship it beyond the list (2013 to 2099); empty otherwise.
std::string LastYearButton(const site::BuildRun& run) {
  const std::string& year = run.ctx.LastYear;
  if (!run.settings.LastYearLink() || year.size() != 4 || year < "2013" || year > "2099") return "";
  for (char c : year) {
    if (c < '0' || c > '9') return "";
  }
  return "but-" + year + ".jpg";
}

}  // namespace

void CopySiteFiles(site::BuildRun& run) {
  site::BuildContext& ctx = run.ctx;
  const std::string root = ctx.TargetDrive + "\\orvane\\";
  const std::string_view topics =
      run.settings.PageLayout() == site::PageLayout::K6 ? kTopicsProgram : kHighSchoolTopicsProgram;
  Copy(ctx.ProgramFolder + std::string(topics), root + std::string(kTopicsProgram));
  Copy(ctx.ProgramFolder + "writing.htm", root + "writing.htm");
  Copy(ctx.ProgramFolder + std::string(kSortLibrary), root + std::string(kSortLibrary));
  const std::string theme = ctx.ProgramFolder + ctx.ThemeFolder + "\\";
  for (std::string_view image : SiteImageList) {
    Copy(theme + std::string(image), root + ctx.ImageSubfolder + std::string(image));
  }
  if (const std::string button = LastYearButton(run); !button.empty()) {
    Copy(theme + button, root + ctx.ImageSubfolder + button);
  }
}

void PersonaliseWritingPage(site::BuildRun& run) {
  site::BuildContext& ctx = run.ctx;
  SetReplaceMarker(ctx, "#999966", ctx.ThemeColour1);
  RewritePage(ctx, "\\orvane\\", "writing.htm");
  SetReplaceMarker(ctx, "Sample Public School", vb::Trim(run.settings.SiteSchoolName()));
  RewritePage(ctx, "\\orvane\\", "writing.htm");
}

void WriteShortcutSettings(site::BuildRun& run, const subjects::SubjectGroups& groups) {
  std::string ini = "\"My Work\"," + run.settings.SiteYear() + "\r\n";
  ini += "\"" + std::to_string(groups.SubjectGroupCount) + "\"\r\n";
  if (groups.SubjectGroupCount > 0) {
    for (int k = 1; k <= groups.SubjectGroupCount && k <= 12; ++k) {
      ini += "\"" + groups.SubjectGroupNames[k] + "\",\"" + groups.SubjectGroupFolders[k] + "\"\r\n";
    }
    ini += "\"" + std::to_string(groups.TopicsPerGroup) + "\"\r\n";
  }
  // The topics tools read the file whole or its old self, never a torn one.
  // Anything but a regular file in its place (a link, a folder), or a file
  // this account may not write, is a write failure (70); the old file's mode
  // and group stay.
  vb::ReplaceRules rules;
  rules.refuse_other_than_file = true;
  rules.refuse_unwritable = true;
  rules.refusal_number = 70;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  vb::ReplaceFile("ovshrtct.ini", ini, rules);
}

void ReplaceInFile(site::BuildContext& ctx) {
  common::ReplaceInFile(ctx.ReplaceFolder, ctx.ReplaceFileName, ctx.ReplaceMarker, ctx.ReplaceText,
                        ctx.ReplaceMarkerLength);
}

void SetReplaceMarker(site::BuildContext& ctx, std::string_view marker, const std::string& text) {
  ctx.ReplaceMarker = std::string(marker);
  ctx.ReplaceText = text;
  ctx.ReplaceMarkerLength = static_cast<std::int16_t>(marker.size());
}

void RewritePage(site::BuildContext& ctx, std::string_view folder, std::string_view page) {
  ctx.ReplaceFolder = ctx.TargetDrive + std::string(folder);
  ctx.ReplaceFileName = std::string(page);
  site::PassOver75([&] { ReplaceInFile(ctx); });
}

}  // namespace builder
