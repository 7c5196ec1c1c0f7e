// A build run on drive D with the plain settings and no progress window, for
// the tests of the files a build writes.
#pragma once

#include <filesystem>

#include "platform/paths.h"
#include "site/build_run.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_settings.h"

namespace builder {

struct PlainBuildRun {
  // `program` is the program folder, native, where the shipped files are.
  explicit PlainBuildRun(const std::filesystem::path& program = {}) {
    ctx.TargetDrive = "D:";
    if (!program.empty()) ctx.ProgramFolder = vb::NativeToText(program) + "/";
  }
  PlainBuildRun(const PlainBuildRun&) = delete;
  PlainBuildRun& operator=(const PlainBuildRun&) = delete;

  site::BuildContext ctx;
  PlainBuildSettings settings;
  NoProgressWindow progress;
  site::BuildRun run{ctx, settings, progress};
};

}  // namespace builder
