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
// The callers pass what the Windows shell was given, but only `file` means
// anything here: `operation` (always "Open"), `parameters`, `directory` and
// `show_command` are taken and ignored, since the desktop's opener takes
// nothing but the file.
void OpenWithAssociatedProgram(const std::string& operation, const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory,
                               int show_command);

// Opens the log `file` as OpenWithAssociatedProgram does, for a caller that
// may delete it before the user has seen it: with a helper installed, a copy
// is first kept in the user's cache folder (platform/kept_copy.h), which the
// Open With choice offers when the opener has failed and the log is gone.
void OpenKeepingCopy(const std::string& file);

// Opens a native file path in a process of its own, which starts the
// desktop's opener, waits for its verdict and offers the Open With choice
// when it fails; returns at once. `kept_copy` is a copy of the file to offer
// when the file itself is gone by then, or empty. The programs install one
// that starts themselves again with the Open With option.
using OpenWithHelper =
    std::function<void(const std::string& native_file, const std::string& kept_copy)>;
void SetOpenWithHelper(OpenWithHelper helper);

}  // namespace common
