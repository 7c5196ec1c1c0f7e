// What every step and page writer of one build reads and writes: the build's
// state, the user's choices, the progress window and the open student list.
#pragma once

#include "platform/files.h"
#include "platform/vb_error.h"
#include "site/build_context.h"
#include "site/build_settings.h"
#include "site/progress_window.h"

namespace site {

struct BuildRun {
  BuildContext& ctx;
  const BuildSettings& settings;
  ProgressWindow& progress;
  vb::LineWriter* student_list = nullptr;  // ovshrtct.srt while the levels are built
};

// Runs one statement of the build: error 75 (an existing folder, or any other
// path/file access error of that number) passes over it and the build goes on
// with the next statement; every other error goes up to the build's handler.
// Around a call of a page writer it skips the rest of that writer.
template <class Statement>
void PassOver75(Statement&& statement) {
  try {
    statement();
  } catch (const vb::Error& error) {
    if (error.number() != 75) throw;
  }
}

}  // namespace site
