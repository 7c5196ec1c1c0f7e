// Opening a file with the desktop's program for its type, and the "Open With"
// choice offered when no program could be started for it.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace common {

// Opens `file` (a Windows-form or native path) with the desktop's opener,
// started with an argument list. When the opener cannot be started, or
// reports failure within two seconds, the installed chooser is offered the
// file if it exists. Never raises; never waits for the program opened.
// `operation`, `parameters`, `directory` and `show_command` are kept for the
// callers' sake; the desktop's opener takes none of them.
void OpenWithAssociatedProgram(const std::string& operation, const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory,
                               int show_command);

// Lets the user pick a program for a native file path and starts it. The
// programs install one that starts the Open With choice, a process of its
// own, and returns; without one, a failed open does nothing.
using OpenWithChooser = std::function<void(const std::string& native_file)>;
void SetOpenWithChooser(OpenWithChooser chooser);

}  // namespace common
