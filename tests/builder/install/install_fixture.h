// A whole build on a private drive: a small program folder with the shipped
// files, a window that records what the build asks of it, scripted messages.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/install/install_window.h"
#include "site/build_context.h"
#include "site/build_settings.h"
#include "site/progress_window.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_settings.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace install_testing {

class RecordingWindow : public builder::InstallWindow {
 public:
  void UnloadSubjectGroupsWindow() override { calls.push_back("unload"); }
  void HideMainWindow() override { calls.push_back("hide"); }
  void PostClose() override { calls.push_back("close"); }
  std::vector<std::string> calls;
};

class InstallTest : public ::testing::Test {
 protected:
  InstallTest();
  ~InstallTest() override;

  // Runs Install with the fixture's settings and services.
  void Install();

  std::filesystem::path Program() const { return program_; }
  std::filesystem::path Site() const { return drives.drive('D') / "orvane"; }
  std::string SiteFile(const std::string& relative) const;
  // Titles of the message boxes shown, in order.
  std::vector<std::string> Titles() const;

  testing_support::TempDrives drives{"CD"};
  testing_support::ScriptedMessages messages;
  site::BuildContext ctx;
  builder::PlainBuildSettings settings;
  builder::NoProgressWindow progress;
  RecordingWindow window;
  builder::InstallServices services;
  std::vector<std::string> sort_commands;
  std::vector<std::chrono::milliseconds> waits;

 private:
  std::filesystem::path program_;
};

// Copies the program folder that the build assembled (the shipped files and
// the real sorting library) to `to`, with stand-ins for topics tools not
// built; false when there is no assembled folder.
bool CopyShippedProgram(const std::filesystem::path& to);

}  // namespace install_testing
