// The Open With road awaiting each program it starts on a file: the opener,
// an application picked in the chooser and a program browsed for, over a
// registry of applications of the test's own (a program of its own: GIO reads
// where the registry is once per process). Programs that fail after 2 s stand
// for a browser that refuses late; the verdict time is shortened to 3 s but
// where a row gives the whole of it. A session bus of the test's own
// (dbus-daemon) serves the application that the desktop starts through it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/kept_copy.h"
#include "platform/qt/open_with_dialog.h"
#include "tests/support/temp_drives.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using testing_support::ReadFile;
using testing_support::WriteFile;

constexpr milliseconds kVerdict{3000};

class OpenWithVerdictTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    drives_ = std::make_unique<testing_support::TempDrives>("");
    const fs::path data = drives_->root() / "data";
    // The system's file types, but none of its applications.
    const fs::path system = drives_->root() / "system";
    fs::create_directories(system);
    fs::create_directory_symlink("/usr/share/mime", system / "mime");
    setenv("XDG_DATA_DIRS", system.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (drives_->root() / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (drives_->root() / "cache").c_str(), 1);
    const std::string bus = "unix:path=" + (drives_->root() / "bus").string();
    const std::string daemon_command = "dbus-daemon --session --fork --print-pid --address=" + bus;
    if (FILE* daemon = popen(daemon_command.c_str(), "r")) {
      if (std::fscanf(daemon, "%d", &bus_pid_) != 1) bus_pid_ = 0;
      pclose(daemon);
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
    Script("fails-late.sh", "sleep 2\nexit 1");
    Script("fails-at-once.sh", "exit 1");
    Script("lasts.sh", "sleep 5\nexit 1");
    Script("opens.sh", "test -e \"$1\"");
    Script("deletes-and-fails.sh", "rm -f \"$1\"\nexit 1");
    App(data, "orvane-test-late.desktop", "Late Failer", "fails-late.sh");
    App(data, "orvane-test-lasting.desktop", "Lasting Viewer", "lasts.sh");
    App(data, "orvane-test-quick.desktop", "Quick Viewer", "opens.sh");
    App(data, "org.orvane.TestBus.desktop", "Bus Viewer", "fails-at-once.sh",
        "DBusActivatable=true\n");
    WriteFile(data / "applications" / "mimeinfo.cache",
              "[MIME Cache]\ntext/plain=orvane-test-late.desktop;orvane-test-lasting.desktop;"
              "orvane-test-quick.desktop;org.orvane.TestBus.desktop;\n");
    WriteFile(Log(), "There were errors.\r\n");
  }
  static void TearDownTestSuite() {
    if (bus_pid_ > 0) kill(bus_pid_, SIGTERM);
    drives_.reset();
  }
  void TearDown() override { unsetenv("ORVANE_OPEN_COMMAND"); }

  static fs::path Script(const std::string& name, const std::string& body = "") {
    const fs::path script = drives_->root() / name;
    if (!body.empty()) {
      WriteFile(script, "#!/bin/sh\n" + body + "\n");
      fs::permissions(script, fs::perms::owner_all);
    }
    return script;
  }
  static void App(const fs::path& data, const std::string& id, const std::string& name,
                  const std::string& script, const std::string& more = "") {
    WriteFile(data / "applications" / id,
              "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" +
                  Script(script).string() + " %f\nMimeType=text/plain;\n" + more);
  }
  static fs::path Log() { return drives_->root() / "program" / "errorlog.txt"; }

  // Selects the row named `name` in the chooser.
  static void Pick(vb::OpenWithDialog& dialog, const QString& name) {
    const auto rows = dialog.List->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1) << name.toStdString();
    dialog.List->setCurrentItem(rows.front());
  }

  static std::unique_ptr<testing_support::TempDrives> drives_;
  static int bus_pid_;
};

std::unique_ptr<testing_support::TempDrives> OpenWithVerdictTest::drives_;
int OpenWithVerdictTest::bus_pid_ = 0;

// Runs `act` every 50 ms while the event loop turns, until it returns true.
class EveryTurn {
 public:
  explicit EveryTurn(std::function<bool()> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act] {
      if (act()) timer_.stop();
    });
    timer_.start(50);
  }

 private:
  QTimer timer_;
};

vb::OpenWithDialog* ShownChooser() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* chooser = dynamic_cast<vb::OpenWithDialog*>(window);
    if (chooser != nullptr && chooser->isVisible()) return chooser;
  }
  return nullptr;
}

// The opener's verdict: the chooser comes up, with the whole path, for an
// opener that fails within the verdict time, late or not; for a log deleted
// meanwhile, with its kept copy. An opener whose end no one may see (its
// process reaped by the system) is taken as having opened the file.
TEST_F(OpenWithVerdictTest, TheChooserFollowsAnOpenerThatFailsWithinTheVerdict) {
  struct Case {
    const char* opener;
    bool exists;
    bool offered;
    milliseconds verdict = kVerdict;
    bool kept = false;
    bool end_unseen = false;
  };
  const Case cases[] = {
      {"no-such-opener", true, true},  {"fails-at-once.sh", true, true},
      {"fails-late.sh", true, true, vb::kOpenVerdict}, {"lasts.sh", true, false},
      {"opens.sh", true, false},       {"fails-at-once.sh", false, false},
      {"deletes-and-fails.sh", true, true, kVerdict, true},
      {"fails-at-once.sh", true, false, kVerdict, false, true},
  };
  for (const Case& c : cases) {
    setenv("ORVANE_OPEN_COMMAND", Script(c.opener).c_str(), 1);
    fs::path file = c.exists ? Log() : Log().parent_path() / "missing.txt";
    if (c.kept) WriteFile(file = drives_->root() / "deleted" / "errorlog.txt", "Kept.\r\n");
    const std::string copy = c.kept ? vb::KeepCopyInCache(file.string()) : "";
    std::string shown_path;
    std::vector<std::string> apps;
    EveryTurn answer([&] {
      vb::OpenWithDialog* chooser = ShownChooser();
      if (chooser == nullptr) return false;
      shown_path = chooser->Path->text().toStdString();
      for (int row = 0; row < chooser->List->count(); ++row) {
        apps.push_back(chooser->List->item(row)->text().toStdString());
      }
      chooser->CancelButton->click();
      return true;
    });
    const auto reaper = std::signal(SIGCHLD, c.end_unseen ? SIG_IGN : SIG_DFL);
    vb::OpenOrOfferChoice(file.string(), c.verdict, copy);
    std::signal(SIGCHLD, reaper);
    EXPECT_EQ(shown_path, c.offered ? (c.kept ? copy : file.string()) : "") << c.opener;
    if (c.kept) {
      EXPECT_EQ(fs::path(copy).parent_path(), drives_->root() / "cache" / "orvane");
      EXPECT_EQ(ReadFile(shown_path), "Kept.\r\n");
    }
    if (c.offered) {
      EXPECT_EQ(apps, (std::vector<std::string>{"Late Failer", "Lasting Viewer", "Quick Viewer",
                                                "Bus Viewer", "Other program\u2026"}))
          << c.opener;
    }
  }
}

// A program picked that fails within the verdict time is named under the
// path and the chooser waits for another choice; one that opens the file,
// still runs when the time is up, or is started through the bus, closes it.
// A log deleted while the chooser shows is opened from its kept copy.
TEST_F(OpenWithVerdictTest, APickedProgramThatFailsIsNamedAndTheChoiceOfferedAgain) {
  struct Case {
    const char* app;
    bool offered_again;
    bool waited;  // hidden while the program had its time
    bool deleted = false;
  };
  const Case cases[] = {
      {"Late Failer", true, true},
      {"Lasting Viewer", false, true},
      {"Quick Viewer", false, false},
      {"Bus Viewer", false, false},
      {"Quick Viewer", false, false, true},
  };
  for (const Case& c : cases) {
    const fs::path file = c.deleted ? drives_->root() / "deleted" / "errorlog.txt" : Log();
    if (c.deleted) WriteFile(file, "Kept.\r\n");
    vb::OpenWithDialog dialog(file.string(), kVerdict, c.deleted ? vb::KeepCopyInCache(file.string()) : "");
    dialog.show();
    if (c.deleted) fs::remove(file);
    Pick(dialog, c.app);
    bool hidden = false;
    EveryTurn watch([&] {
      hidden = hidden || !dialog.isVisible();
      return false;
    });
    dialog.OpenButton->click();
    if (c.waited) {
      EXPECT_TRUE(hidden) << c.app;
    }
    EXPECT_EQ(dialog.isVisible(), c.offered_again) << c.app;
    EXPECT_EQ(dialog.result(), c.offered_again ? QDialog::Rejected : QDialog::Accepted) << c.app;
    EXPECT_EQ(dialog.Failure->isVisible(), c.offered_again) << c.app;
    if (c.offered_again) {
      EXPECT_EQ(dialog.Failure->text().toStdString(),
                std::string(c.app) + " could not open this file.");
    }
  }
}

// While a picked program has its time, no button of the chooser starts
// anything; once it has failed and the chooser is back, its buttons work.
TEST_F(OpenWithVerdictTest, TheButtonsWaitForTheVerdictAndWorkWhenTheChoiceIsBack) {
  struct Case {
    const char* then_picked;  // nullptr: Cancel is clicked when the choice is back
    QDialog::DialogCode result;
  };
  const Case cases[] = {
      {nullptr, QDialog::Rejected},
      {"Quick Viewer", QDialog::Accepted},
  };
  for (const Case& c : cases) {
    vb::OpenWithDialog dialog(Log().string(), kVerdict);
    int finished = 0;
    QObject::connect(&dialog, &QDialog::finished, [&] { ++finished; });
    dialog.show();
    Pick(dialog, "Late Failer");
    EveryTurn press_while_waiting([&] {
      if (dialog.isVisible()) return false;
      dialog.CancelButton->click();
      return true;
    });
    dialog.OpenButton->click();
    EXPECT_EQ(finished, 0) << "Cancel ran while the program had its time";
    ASSERT_TRUE(dialog.Failure->isVisible());
    if (c.then_picked == nullptr) {
      dialog.CancelButton->click();
    } else {
      Pick(dialog, c.then_picked);
      dialog.OpenButton->click();
    }
    EXPECT_EQ(finished, 1) << (c.then_picked ? c.then_picked : "Cancel");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), c.result);
  }
}

// "Other program…" browses for a program, and the one chosen is awaited as
// the listed ones are; a browse given up leaves the choice as it was.
TEST_F(OpenWithVerdictTest, OtherProgramBrowsesAndTheProgramChosenIsAwaited) {
  struct Case {
    const char* program;  // nullptr: the browse is cancelled
    const char* failure;
    bool closed;
  };
  const Case cases[] = {
      {nullptr, "", false},
      {"fails-late.sh", "fails-late.sh could not open this file.", false},
      {"opens.sh", "", true},
  };
  for (const Case& c : cases) {
    vb::OpenWithDialog dialog(Log().string(), kVerdict);
    dialog.show();
    Pick(dialog, QString::fromUtf8("Other program\u2026"));
    bool browsed = false;
    EveryTurn answer([&] {
      auto* browse = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (browse == nullptr) return false;
      browsed = browse->fileMode() == QFileDialog::ExistingFile;
      if (c.program == nullptr) {
        browse->reject();
      } else {
        // Typed, as a user may type a program's whole path.
        auto* typed = browse->findChild<QLineEdit*>("fileNameEdit");
        if (typed == nullptr) {
          ADD_FAILURE() << "no file name box";
          browse->reject();
          return true;
        }
        typed->setText(QString::fromStdString(Script(c.program).string()));
        QMetaObject::invokeMethod(browse, "accept");
      }
      return true;
    });
    dialog.OpenButton->click();
    EXPECT_TRUE(browsed) << "no file dialog for Other program";
    EXPECT_EQ(dialog.Failure->text().toStdString(), c.failure);
    EXPECT_EQ(dialog.isVisible(), !c.closed);
    EXPECT_EQ(dialog.result(), c.closed ? QDialog::Accepted : QDialog::Rejected);
  }
}

}  // namespace
