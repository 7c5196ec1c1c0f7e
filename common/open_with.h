// Opening a file with the desktop's program for its type, and the "Open With"
// choice offered when that program could not open it.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace common {

// Opens `file` (a Windows-form or native path) with the desktop's opener:
// the installed helper is handed its native path and the caller goes on at
// once, never learning the outcome. Without a helper the opener is started
// on it and not waited for. Never raises.
// `operation`, `parameters`, `directory` and `show_command` are kept for the
// callers' sake; the desktop's opener takes none of them.
void OpenWithAssociatedProgram(const std::string& operation, const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory,
                               int show_command);

// Opens a native file path in a process of its own, which starts the
// desktop's opener, waits for its verdict and offers the Open With choice
// when it fails; returns at once. The programs install one that starts
// themselves again with the Open With option.
using OpenWithHelper = std::function<void(const std::string& native_file)>;
void SetOpenWithHelper(OpenWithHelper helper);

}  // namespace common
