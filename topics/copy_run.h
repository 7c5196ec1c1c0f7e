// The Go! button of the topics tools: the form check, the confirmation, and
// the copy into every selected student's folder with its error log.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "platform/files.h"
#include "topics/copy_form.h"
#include "topics/site.h"
#include "topics/variant.h"

namespace topics {

// Shows a text in the status line and repaints it at once.
using StatusLine = std::function<void(const std::string&)>;

inline constexpr char kStatusHint[] =
    "1. Locate the file or folder to be copied.  2. Choose the file copy option.  3. Choose the "
    "Destination";

// Runs the whole button press, message boxes included. The students of the
// chosen group replace `site.students`; the log is opened at the end of
// every confirmed run.
void RunTopicsCopy(Variant variant, TopicsSite& site, CopyForm form, const StatusLine& status);

// A folder that may not be copied: a drive or file-system root, or one that
// holds the site root.
bool IsRefusedSource(const std::string& folder, const std::string& site_root);

// Writes the log's header lines, dated `now` in local time.
void WriteLogHeader(vb::LineWriter& log, Variant variant, std::time_t now);

// The two log lines of a failed copy.
inline constexpr char kPathMissing[] = "This student path does not exist.  Was it deleted? - ";
inline constexpr char kOtherFailure[] = "Unspecified error with destination path - ";

}  // namespace topics
