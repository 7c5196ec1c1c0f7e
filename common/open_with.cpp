#include "common/open_with.h"

#include <utility>

#include "platform/kept_copy.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace common {

namespace {

OpenWithHelper& Helper() {
  static OpenWithHelper helper;
  return helper;
}

// Hands `file` to the helper, or to the opener when there is none; with
// `keep_copy`, the helper is also handed a copy of it.
void Open(const std::string& file, bool keep_copy) {
  try {
    const std::string native = vb::Resolve(file).string();
    if (Helper()) {
      Helper()(native, keep_copy ? vb::KeepCopyInCache(native) : std::string());
    } else {
      vb::OpenDocument(native);
    }
  } catch (...) {
    // The caller learns nothing of the outcome.
  }
}

}  // namespace

void SetOpenWithHelper(OpenWithHelper helper) { Helper() = std::move(helper); }

void OpenWithAssociatedProgram(const std::string& /*operation*/, const std::string& file,
                               const std::optional<std::string>& /*parameters*/,
                               const std::optional<std::string>& /*directory*/,
                               int /*show_command*/) {
  Open(file, false);
}

void OpenKeepingCopy(const std::string& file) { Open(file, true); }

}  // namespace common
