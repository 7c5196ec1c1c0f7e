#include "builder/install/template_site.h"

#include <algorithm>
#include <ctime>
#include <span>
#include <string>
#include <vector>

#include "builder/install/site_files.h"
#include "common/replace_in_file.h"
#include "platform/files.h"
#include "platform/native_paths.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace builder {

namespace fs = std::filesystem;

const std::array<TemplatePage, 28> SchoolNameFiles{{
    {"\\orvane\\", "index.htm"},
    {"\\orvane\\school\\", "index.htm"},
    {"\\orvane\\school\\history\\", "index.htm"},
    {"\\orvane\\school\\rules\\", "index.htm"},
    {"\\orvane\\school\\policies\\", "index.htm"},
    {"\\orvane\\school\\library\\", "index.htm"},
    {"\\orvane\\school\\sport\\", "index.htm"},
    {"\\orvane\\school\\canteen\\", "index.htm"},
    {"\\orvane\\calendar\\", "calhead.htm"},
    {"\\orvane\\news\\", "newshead.htm"},
    {"\\orvane\\staff\\", "index.htm"},
    {"\\orvane\\staff\\memos\\", "index.htm"},
    {"\\orvane\\staff\\bulletin\\", "newshead.htm"},
    {"\\orvane\\staff\\calendar\\", "calhead.htm"},
    {"\\orvane\\staff\\playduty\\", "index.htm"},
    {"\\orvane\\staff\\continuum\\", "index.htm"},
    {"\\orvane\\staff\\links\\", "index.htm"},
    {"\\orvane\\photos\\", "index.htm"},
    {"\\orvane\\links\\", "index.htm"},
    {"\\orvane\\", "writing.htm"},
    {"\\orvane\\groups\\", "index.htm"},
    {"\\orvane\\groups\\src\\", "index.htm"},
    {"\\orvane\\groups\\debating\\", "index.htm"},
    {"\\orvane\\groups\\schoolband\\", "index.htm"},
    {"\\orvane\\groups\\schoolchoir\\", "index.htm"},
    {"\\orvane\\groups\\chess\\", "index.htm"},
    {"\\orvane\\groups\\drama\\", "index.htm"},
    {"\\orvane\\staff\\ovjobline\\", "taskhead.htm"},
}};

const std::array<TemplatePage, 42> ColourFiles{{
    {"\\orvane\\", "index.htm"},
    {"\\orvane\\school\\", "index.htm"},
    {"\\orvane\\school\\history\\", "index.htm"},
    {"\\orvane\\school\\rules\\", "index.htm"},
    {"\\orvane\\school\\policies\\", "index.htm"},
    {"\\orvane\\school\\library\\", "index.htm"},
    {"\\orvane\\school\\sport\\", "index.htm"},
    {"\\orvane\\school\\canteen\\", "index.htm"},
    {"\\orvane\\calendar\\", "calhead.htm"},
    {"\\orvane\\news\\", "newshead.htm"},
    {"\\orvane\\staff\\", "index.htm"},
    {"\\orvane\\staff\\memos\\", "index.htm"},
    {"\\orvane\\staff\\bulletin\\", "newshead.htm"},
    {"\\orvane\\staff\\calendar\\", "calhead.htm"},
    {"\\orvane\\staff\\playduty\\", "index.htm"},
    {"\\orvane\\staff\\continuum\\", "index.htm"},
    {"\\orvane\\staff\\links\\", "index.htm"},
    {"\\orvane\\photos\\", "index.htm"},
    {"\\orvane\\links\\", "index.htm"},
    {"\\orvane\\", "writing.htm"},
    {"\\orvane\\photos\\gallery1\\", "index.htm"},
    {"\\orvane\\photos\\gallery2\\", "index.htm"},
    {"\\orvane\\photos\\gallery3\\", "index.htm"},
    {"\\orvane\\photos\\gallery4\\", "index.htm"},
    {"\\orvane\\photos\\gallery5\\", "index.htm"},
    {"\\orvane\\photos\\gallery6\\", "index.htm"},
    {"\\orvane\\photos\\gallery7\\", "index.htm"},
    {"\\orvane\\photos\\gallery8\\", "index.htm"},
    {"\\orvane\\photos\\gallery9\\", "index.htm"},
    {"\\orvane\\staff\\bulletin\\", "newsfoot.htm"},
    {"\\orvane\\staff\\calendar\\", "calfoot.htm"},
    {"\\orvane\\calendar\\", "calfoot.htm"},
    {"\\orvane\\news\\", "newsfoot.htm"},
    {"\\orvane\\groups\\", "index.htm"},
    {"\\orvane\\groups\\src\\", "index.htm"},
    {"\\orvane\\groups\\debating\\", "index.htm"},
    {"\\orvane\\groups\\schoolband\\", "index.htm"},
    {"\\orvane\\groups\\schoolchoir\\", "index.htm"},
    {"\\orvane\\groups\\chess\\", "index.htm"},
    {"\\orvane\\groups\\drama\\", "index.htm"},
    {"\\orvane\\staff\\ovjobline\\", "taskhead.htm"},
    {"\\orvane\\staff\\ovjobline\\", "taskfoot.htm"},
}};

namespace {

constexpr std::array<TemplatePage, 1> kHomePage{{{"\\orvane\\", "index.htm"}}};
constexpr std::array<TemplatePage, 1> kLibraryPage{{{"\\orvane\\school\\library\\", "index.htm"}}};

// One pass of the personalisation: a marker and its text, in these pages.
struct MarkerPass {
  std::string_view marker;
  std::string text;
  std::span<const TemplatePage> pages;
};

// The passes in their order: the school's name, the colour, the year link
// and the library code.
std::vector<MarkerPass> PersonalisationPasses(const site::BuildRun& run) {
  return {
      {"Sample Public School", vb::Trim(run.settings.SiteSchoolName()), SchoolNameFiles},
      {"#999966", run.ctx.ThemeColour1, ColourFiles},
      {"2009/", vb::Trim(run.settings.SiteYear()) + "/", kHomePage},
      {"999911", vb::Trim(run.settings.SiteSchoolCode()) + "11", kLibraryPage},
  };
}

// A page's path below the drive's root, as the template folder holds it.
fs::path RelativePath(const TemplatePage& entry) {
  std::string folder(entry.folder.substr(1));
  std::replace(folder.begin(), folder.end(), '\\', '/');
  return fs::path(folder) / std::string(entry.page);
}

// Rewrites a page of the passes. The site root's writing.htm is the build's
// own, not the template's: when a drive fault kept it from being made, the
// drive's message has told of it, and its rewrite is passed over.
void RewriteListedPage(site::BuildContext& ctx, const TemplatePage& entry) {
  const std::string page = ctx.TargetDrive + std::string(entry.folder) + std::string(entry.page);
  if (entry.page == "writing.htm" && !vb::FileExists(page)) return;
  RewritePage(ctx, entry.folder, entry.page);
}

// Whether `held` is what the copy and the personalisation leave at
// `relative` from the template's `bytes`, or what a build stopped between
// them left there: the template's bytes after none, some or all passes.
bool LeftByTheBuild(const site::BuildRun& run, const fs::path& relative, std::string bytes,
                    const std::string& held) {
  if (held == bytes) return true;
  for (const MarkerPass& pass : PersonalisationPasses(run)) {
    for (const TemplatePage& entry : pass.pages) {
      if (RelativePath(entry) != relative) continue;
      const std::string marker(pass.marker);
      bytes = common::ReplaceInText(bytes, marker, pass.text, static_cast<int>(marker.size()));
    }
    if (held == bytes) return true;
  }
  return false;
}

std::string BackupStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
  return stamp;
}

// Writes `bytes` to `relative` below `folder`, making the folders on the way.
void KeepFile(const std::string& folder, const fs::path& relative, const std::string& bytes) {
  std::string path = folder;
  for (const fs::path& name : relative.parent_path()) {
    path += "\\" + vb::NativeToText(name);
    site::PassOver75([&] { vb::MkDir(path); });
  }
  vb::LineWriter copy(path + "\\" + vb::NativeToText(relative.filename()));
  copy.Write(bytes);
  copy.Close();
}

}  // namespace

void KeepEditedTemplateFiles(site::BuildRun& run, bool home_page_made) {
  const fs::path source = vb::Resolve(run.ctx.ProgramFolder + "\\ovintranet");
  const fs::path drive = vb::Resolve(run.ctx.TargetDrive + "\\");
  if (!vb::IsNativeFolder(source)) return;  // the copy reports it
  std::string backup;  // made when the first file is kept
  // The walk is the copy's: real folders (links to folders are not
  // followed) and regular files.
  vb::ForEachRegularFileBelow(source, [&](const fs::path& relative) {
    if (home_page_made && relative == RelativePath(kHomePage[0])) return;
    const fs::path target = drive / relative;
    if (!vb::IsNativeRegularFile(target)) return;
    const std::string held = vb::ReadFileBytes(vb::NativeToText(target));
    if (LeftByTheBuild(run, relative, vb::ReadFileBytes(vb::NativeToText(source / relative)), held)) return;
    if (backup.empty()) {
      const std::string backups = run.ctx.TargetDrive + "\\orvane\\ovbackup";
      site::PassOver75([&] { vb::MkDir(backups); });
      backup = backups + "\\" + BackupStamp();
      site::PassOver75([&] { vb::MkDir(backup); });
    }
    KeepFile(backup, relative, held);
  });
}

void CopyTemplateSite(site::BuildRun& run) {
  // Each file takes its target's place whole, so a page the school has is
  // never left half written. A link in its place is replaced; a folder, or
  // a file this account may not write, is a write failure (70). An old
  // file keeps its mode, and its group where this account belongs to it.
  vb::ReplaceRules rules;
  rules.refuse_other_than_file = true;
  rules.replace_link = true;
  rules.refuse_unwritable = true;
  rules.refusal_number = 70;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  site::PassOver75([&] {
    vb::CopyFolderContents(run.ctx.ProgramFolder + "\\ovintranet", run.ctx.TargetDrive + "\\", rules);
  });
  run.ctx.PageCount += 70;
}

void PersonaliseTemplate(site::BuildRun& run) {
  for (const MarkerPass& pass : PersonalisationPasses(run)) {
    SetReplaceMarker(run.ctx, pass.marker, pass.text);
    for (const TemplatePage& entry : pass.pages) RewriteListedPage(run.ctx, entry);
  }
}

}  // namespace builder
