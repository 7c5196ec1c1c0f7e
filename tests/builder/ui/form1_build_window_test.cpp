// The "Please Wait..." window during a build from the main window: each
// class's line is painted as the class begins, however soon after the last
// one, so that a long class never runs under the line of the one before.
#include <gtest/gtest.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/pages/progress_quips.h"
#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "platform/paths.h"
#include "subjects/core/subject_groups.h"
#include "tests/support/scripted_messages.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/temp_drives.h"

namespace builder {
namespace {

namespace fs = std::filesystem;
using testing_support::WriteFile;

// The texts a label shows each time it is painted, each run of one text once.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  std::vector<std::string> texts;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && event->type() == QEvent::Paint) {
      const std::string text = label_->text().toStdString();
      if (texts.empty() || texts.back() != text) texts.push_back(text);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QLabel* label_;
};

// Whether `folder` is a tmpfs this test may write: there a class of one
// student takes about a millisecond, so that a limit on how often the window
// repaints would hold back the lines of the classes after it.
bool WritableTmpfs(const char* folder) {
  struct statfs st {};
  return ::statfs(folder, &st) == 0 && st.f_type == TMPFS_MAGIC && ::access(folder, W_OK) == 0;
}

TEST(BuildWindowTest, EachClassShowsItsOwnLineWhileItIsBuilt) {
  if (!WritableTmpfs("/dev/shm")) GTEST_SKIP() << "no writable tmpfs at /dev/shm";
  const sort_test::TmpDirOverride temporary("/dev/shm");
  const char* shipped = std::getenv("ORVANE_TEST_PROGRAM_DIR");
  if (shipped == nullptr || !fs::exists(fs::path(shipped) / "ovintranet") ||
      !fs::exists(fs::path(shipped) / "XRsortLib.so")) {
    GTEST_SKIP() << "the program folder is not assembled";
  }
  subjects::Groups() = subjects::SubjectGroups{};
  const testing_support::TempDrives drives("D");
  const fs::path program = drives.root() / "program";
  fs::copy(shipped, program, fs::copy_options::recursive);
  for (const char* tool : {"ovtopics", "ovhstopics"}) {
    if (!fs::exists(program / tool)) WriteFile(program / tool, "topics tool");
  }
  WriteFile(drives.drive('D') / "label.dat", "x");  // the drive lists something
  // Quick classes of one student, a long one, a last quick one.
  std::string list;
  for (char quick = 'A'; quick <= 'L'; ++quick) list += "Ng,Amy,3" + std::string(1, quick) + "\r\n";
  for (int i = 0; i < 150; ++i) list += "Brown" + std::to_string(i) + ",Mia,3M\r\n";
  list += "Zhou,Leo,3N\r\n";
  WriteFile(program / "year3.txt", list);
  setenv("ORVANE_OPEN_COMMAND", "true", 1);
  testing_support::ScriptedMessages messages;

  Form1 form(vb::NativeToText(program) + "/", "");
  form.show();
  form.Text1->setText("Hillside Primary");
  form.Text3->setText("D");
  form.Option8->setChecked(true);  // images shared: the quick classes take a few ms
  form.Check5->setEnabled(true);
  form.Check5->click();
  const PaintedTexts painted(form.ProgressForm().Label3);
  ResetProgressQuips();
  form.Command1->click();
  unsetenv("ORVANE_OPEN_COMMAND");

  ResetProgressQuips();
  std::vector<std::string> quips;
  for (int c = 0; c < 14; ++c) quips.push_back(NextProgressQuip());
  std::vector<std::string> shown;
  for (const std::string& text : painted.texts) {
    if (std::find(quips.begin(), quips.end(), text) != quips.end()) shown.push_back(text);
  }
  EXPECT_EQ(shown, quips);
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown().back().title, "Orvane Results");
}

}  // namespace
}  // namespace builder
