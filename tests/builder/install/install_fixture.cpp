#include "tests/builder/install/install_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "builder/install/build_driver.h"
#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "subjects/core/subject_groups.h"
#include "tests/support/page_text.h"

namespace install_testing {

namespace fs = std::filesystem;
using testing_support::CrLf;
using testing_support::WriteFile;

bool CopyShippedProgram(const fs::path& to) {
  const char* shipped = std::getenv("ORVANE_TEST_PROGRAM_DIR");
  if (shipped == nullptr || !fs::exists(fs::path(shipped) / "ovintranet") ||
      !fs::exists(fs::path(shipped) / "XRsortLib.so")) {
    return false;
  }
  fs::copy(shipped, to, fs::copy_options::recursive);
  for (const char* tool : {"ovtopics", "ovhstopics"}) {
    if (!fs::exists(to / tool)) WriteFile(to / tool, "topics tool");
  }
  return true;
}

namespace {

// The shipped files a build reads, small but complete.
void LayOutProgramFolder(const fs::path& program) {
  WriteFile(program / "ovtopics", "primary topics tool");
  WriteFile(program / "ovhstopics", "high-school topics tool");
  WriteFile(program / "XRsortLib.so", "sorting library");
  WriteFile(program / "writing.htm",
            CrLf({"<title>Sample Public School - My Writing</title>",
                  "<td bgcolor=\"#999966\">Sample Public School</td>"}));
  WriteFile(program / "writing.doc", "{\\rtf1 My writing}");
  for (const char* theme : {"fire", "metal", "mop", "night"}) {
    for (std::string_view image : builder::SiteImageList) {
      WriteFile(program / theme / std::string(image), std::string(theme) + ":" + std::string(image));
    }
  }
  // Every template page carries every marker, so each pass shows on it.
  for (const builder::TemplatePage& entry : builder::ColourFiles) {
    if (entry.page == "writing.htm") continue;  // the build puts the root's own there
    std::string folder(entry.folder);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    WriteFile(program / "ovintranet" / folder.substr(1) / std::string(entry.page),
              CrLf({"<title>Sample Public School</title>", "<td bgcolor=\"#999966\">",
                    "<a href=\"2009/index.htm\">", "code=999911"}));
  }
  WriteFile(program / "presch.txt", CrLf({"Ng,Lily,PA", "Brown,Sam,PA"}));
  WriteFile(program / "year3.txt", CrLf({"Smith,John,3A"}));
  for (const char* list : {"kinder.txt", "year1.txt", "errorlog.txt"}) WriteFile(program / list, "");
}

}  // namespace

InstallTest::InstallTest() {
  program_ = drives.root() / "program";
  LayOutProgramFolder(program_);
  WriteFile(drives.drive('D') / "stick-label.dat", "x");  // the drive lists something
  ctx.ProgramFolder = vb::NativeToText(program_) + "/";
  settings.levels[0] = true;
  setenv("ORVANE_OPEN_COMMAND", "true", 1);
  services.sort_file = [this](const std::string&, const std::string& command, std::string&) {
    sort_commands.push_back(command);
    std::vector<std::string> lines;
    vb::LineReader in("D:\\orvane\\ovshrtct.srt");
    while (!in.Eof()) lines.push_back(in.LineInput());
    std::sort(lines.begin(), lines.end());
    vb::LineWriter out("D:\\orvane\\ovshrtct.dat");
    for (const std::string& line : lines) out.Print(line);
    out.Close();
    return true;
  };
  services.wait = [this](std::chrono::milliseconds wait) { waits.push_back(wait); };
}

InstallTest::~InstallTest() {
  unsetenv("ORVANE_OPEN_COMMAND");
  subjects::Groups() = subjects::SubjectGroups{};
}

void InstallTest::Install() { builder::Command1_Click(ctx, settings, progress, window, services); }

std::string InstallTest::SiteFile(const std::string& relative) const {
  return testing_support::ReadFile(Site() / relative);
}

std::vector<std::string> InstallTest::Titles() const {
  std::vector<std::string> titles;
  for (const vb::MessageBoxRequest& shown : messages.shown()) titles.push_back(shown.title);
  return titles;
}

}  // namespace install_testing
