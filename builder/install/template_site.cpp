#include "builder/install/template_site.h"

#include <string>

#include "builder/install/site_files.h"
#include "platform/files.h"
#include "platform/text.h"

namespace builder {

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

void CopyTemplateSite(BuildRun& run) {
  PassOver75([&] {
    vb::CopyFolderContents(run.ctx.ProgramFolder + "\\ovintranet", run.ctx.TargetDrive + "\\");
  });
  run.ctx.PageCount += 70;
}

namespace {

// Rewrites a page of the passes. The site root's writing.htm is the build's
// own, not the template's: when a drive fault kept it from being made, the
// drive's message has told of it, and its rewrite is passed over.
void RewriteListedPage(BuildContext& ctx, const TemplatePage& entry) {
  const std::string page = ctx.TargetDrive + std::string(entry.folder) + std::string(entry.page);
  if (entry.page == "writing.htm" && !vb::FileExists(page)) return;
  RewritePage(ctx, entry.folder, entry.page);
}

}  // namespace

void PersonaliseTemplate(BuildRun& run) {
  BuildContext& ctx = run.ctx;
  SetReplaceMarker(ctx, "Sample Public School", vb::Trim(run.settings.SiteSchoolName()));
  for (const TemplatePage& entry : SchoolNameFiles) RewriteListedPage(ctx, entry);
  SetReplaceMarker(ctx, "#999966", ctx.ThemeColour1);
  for (const TemplatePage& entry : ColourFiles) RewriteListedPage(ctx, entry);
  SetReplaceMarker(ctx, "2009/", vb::Trim(run.settings.SiteYear()) + "/");
  RewritePage(ctx, "\\orvane\\", "index.htm");
  SetReplaceMarker(ctx, "999911", vb::Trim(run.settings.SiteSchoolCode()) + "11");
  RewritePage(ctx, "\\orvane\\school\\library\\", "index.htm");
}

}  // namespace builder
