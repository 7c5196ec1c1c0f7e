#include "common/open_with.h"

#include <utility>

#include "platform/paths.h"
#include "platform/shell.h"

namespace common {

namespace {

OpenWithHelper& Helper() {
  static OpenWithHelper helper;
  return helper;
}

}  // namespace

void SetOpenWithHelper(OpenWithHelper helper) { Helper() = std::move(helper); }

void OpenWithAssociatedProgram(const std::string& /*operation*/, const std::string& file,
                               const std::optional<std::string>& /*parameters*/,
                               const std::optional<std::string>& /*directory*/,
                               int /*show_command*/) {
  try {
    const std::string native = vb::Resolve(file).string();
    if (Helper()) {
      Helper()(native);
    } else {
      vb::OpenDocument(native);
    }
  } catch (...) {
    // The caller learns nothing of the outcome.
  }
}

}  // namespace common
