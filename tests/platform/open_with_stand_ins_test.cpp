// The Open With choice for a page whose own type no application opens, over
// a registry of the test's own (a program of its own: GIO reads where the
// registry is once per process).
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/open_with_dialog.h"
#include "tests/support/temp_drives.h"

namespace {

namespace fs = std::filesystem;
using testing_support::WriteFile;

TEST(OpenWithStandInsTest, APageWithoutProgramsListsTheWebProgramsOnceEach) {
  const testing_support::TempDrives drives("");
  const fs::path system = drives.root() / "system";
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
    setenv(name, (drives.root() / name).c_str(), 1);
  }
  setenv("XDG_DATA_DIRS", system.c_str(), 1);
  // The system's file types, but none of its applications.
  fs::create_directories(system);
  fs::create_directory_symlink("/usr/share/mime", system / "mime");
  struct App {
    const char* id;
    const char* name;
    const char* types;
  };
  const App apps[] = {
      {"orvane-viewer.desktop", "XHTML Viewer", "application/xhtml+xml;"},
      {"orvane-browser.desktop", "Web Browser",
       "x-scheme-handler/http;x-scheme-handler/https;application/xhtml+xml;"},
      {"orvane-secure.desktop", "Secure Browser", "x-scheme-handler/https;"},
      {"orvane-mail.desktop", "Mail", "x-scheme-handler/mailto;"},
  };
  for (const App& app : apps) {
    WriteFile(system / "applications" / app.id,
              std::string("[Desktop Entry]\nType=Application\nName=") + app.name +
                  "\nExec=/bin/true %u\nMimeType=" + app.types + "\n");
  }
  WriteFile(system / "applications" / "mimeinfo.cache",
            "[MIME Cache]\napplication/xhtml+xml=orvane-viewer.desktop;orvane-browser.desktop;\n"
            "x-scheme-handler/http=orvane-browser.desktop;\n"
            "x-scheme-handler/https=orvane-secure.desktop;orvane-browser.desktop;\n"
            "x-scheme-handler/mailto=orvane-mail.desktop;\n");
  const fs::path page = drives.root() / "d" / "orvane" / "index.htm";
  WriteFile(page, "<html></html>\r\n");

  vb::OpenWithDialog dialog(page.string());
  std::vector<std::string> names;
  for (int row = 0; row < dialog.List->count(); ++row) {
    names.push_back(dialog.List->item(row)->text().toStdString());
  }
  const std::vector<std::string> expected{"XHTML Viewer", "Web Browser", "Secure Browser",
                                          "Other program\u2026"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(dialog.Path->text().toStdString(), page.string());
}

}  // namespace
