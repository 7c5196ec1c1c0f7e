// The Install button's build: from the check of the target drive to the
// sorted student list, the personalised template, the results and the close.
#pragma once

#include "site/build_context.h"
#include "site/build_settings.h"
#include "site/progress_window.h"
#include "builder/install/install_window.h"

namespace builder {

// Builds the whole site. Returns normally when the build was not begun (a
// subject-based site without two groups) or abandoned (the drive is
// unavailable), or when it ended with the close request posted; the fatal
// messages end the program through vb::End().
void Command1_Click(site::BuildContext& ctx, const site::BuildSettings& settings,
                    site::ProgressWindow& progress, InstallWindow& window,
                    const InstallServices& services = DefaultInstallServices());

}  // namespace builder
