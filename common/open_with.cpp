#include "common/open_with.h"

#include <chrono>
#include <utility>

#include "platform/native_paths.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace common {

namespace {

// How long the opener has to report that it could not open the file; one
// still running by then has handed the file to a program.
constexpr std::chrono::seconds kOpenerVerdict{2};

OpenWithChooser& Chooser() {
  static OpenWithChooser chooser;
  return chooser;
}

}  // namespace

void SetOpenWithChooser(OpenWithChooser chooser) { Chooser() = std::move(chooser); }

void OpenWithAssociatedProgram(const std::string& /*operation*/, const std::string& file,
                               const std::optional<std::string>& /*parameters*/,
                               const std::optional<std::string>& /*directory*/,
                               int /*show_command*/) {
  try {
    const std::string native = vb::Resolve(file).string();
    if (vb::StartAndAwaitVerdict(vb::OpenCommand(), {native}, kOpenerVerdict)) return;
    // A file that is not there opens nothing and asks nothing.
    if (Chooser() && vb::NativeExists(native)) Chooser()(native);
  } catch (...) {
    // The caller learns nothing of the outcome.
  }
}

}  // namespace common
