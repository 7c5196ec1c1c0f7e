#include "topics/open_file.h"

#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/vb_error.h"

namespace topics {

void OpenWithDesktop(const std::string& file) {
  try {
    vb::OpenDocument(vb::Resolve(file));
  } catch (const vb::Error&) {
    // An unmapped drive: there is nothing to open.
  }
}

}  // namespace topics
