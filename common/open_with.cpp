#include "common/open_with.h"

#include <utility>

#include "platform/paths.h"
#include "platform/shell.h"

namespace common {

namespace {

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
    if (vb::StartDetached(vb::OpenCommand(), {native})) return;
    if (Chooser()) Chooser()(native);
  } catch (...) {
    // The caller learns nothing of the outcome.
  }
}

}  // namespace common
