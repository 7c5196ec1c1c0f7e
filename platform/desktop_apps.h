// The desktop's registry of applications and the file types they open, as
// the desktop itself keeps it (read through GLib's GIO), behind an interface
// of our own. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace vb {

struct DesktopApp {
  std::string id;    // the desktop's own name for it ("chromium.desktop")
  std::string name;  // as the desktop shows it ("Chromium")
};

// The applications that the desktop associates with the type of `native_file`,
// its default application first. When it lists none for that type, those of
// the types that stand in for it: for a page (.htm, .html) the XHTML, http
// and https handlers; for a CSV the text/csv and text/plain ones; each
// application once.
std::vector<DesktopApp> AppsForFile(const std::string& native_file);

// Starts the application `id` on `native_file`, not waiting for it. Its
// process id, left to AwaitVerdict (platform/shell.h); 0 when it was started
// without a process of its own (activated over D-Bus); -1 when it could not
// be started.
int StartApp(const std::string& id, const std::string& native_file);

}  // namespace vb
