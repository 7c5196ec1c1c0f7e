// The Open With choice, over a registry of applications of the test's own
// (the system's MIME database still tells the file types).
#include "platform/qt/open_with_dialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>

#include "tests/support/recording_opener.h"
#include "tests/support/temp_drives.h"

namespace {

namespace fs = std::filesystem;
using testing_support::WriteFile;

void WriteApp(const fs::path& data, const std::string& id, const std::string& name,
              const std::string& exec, const std::string& types) {
  WriteFile(data / "applications" / id,
            "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
                " %f\nMimeType=" + types + "\n");
}

TEST(OpenWithDialogTest, ListsTheDesktopsProgramsForTheTypeAndStartsTheChoice) {
  const testing_support::TempDrives drives("");
  const fs::path data = drives.root() / "data";
  const fs::path config = drives.root() / "config";
  setenv("XDG_DATA_DIRS", "/usr/share", 1);
  setenv("XDG_DATA_HOME", data.c_str(), 1);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  const testing_support::RecordingOpener recorder(drives.root());
  const std::string script = (drives.root() / "open.sh").string();
  WriteApp(data, "orvane-test-browser.desktop", "Test Browser", script, "text/html;");
  WriteApp(data, "orvane-test-editor.desktop", "Test Editor", script, "text/html;text/plain;");
  WriteApp(data, "orvane-test-viewer.desktop", "Test Viewer", script, "image/png;");
  // The index that the desktop keeps of the types its applications open.
  WriteFile(data / "applications" / "mimeinfo.cache",
            "[MIME Cache]\ntext/html=orvane-test-browser.desktop;orvane-test-editor.desktop;\n"
            "text/plain=orvane-test-editor.desktop;\nimage/png=orvane-test-viewer.desktop;\n");
  WriteFile(config / "mimeapps.list",
            "[Default Applications]\ntext/html=orvane-test-editor.desktop\n");
  const fs::path page = drives.root() / "my site" / "index.htm";
  WriteFile(page, "<html></html>\r\n");

  vb::OpenWithDialog dialog(page.string());
  std::vector<std::string> names;
  for (int row = 0; row < dialog.List->count(); ++row) {
    names.push_back(dialog.List->item(row)->text().toStdString());
  }
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names.front(), "Test Editor") << "the desktop's default first";
  EXPECT_EQ(std::count(names.begin(), names.end(), "Test Browser"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Test Viewer"), 0);
  EXPECT_EQ(names.back(), "Other program\u2026");

  dialog.List->setCurrentRow(static_cast<int>(
      std::find(names.begin(), names.end(), "Test Browser") - names.begin()));
  dialog.OpenButton->click();
  EXPECT_EQ(recorder.Opened(), page.string());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
