// The texts the import shows or logs, worded for the export format read.
#pragma once

#include <string>
#include <string_view>

#include "builder/core/support_address.h"
#include "builder/import/enrolment_import.h"

namespace builder {

inline constexpr std::string_view kSevereProblemTitle = "Severe Problem";
inline constexpr std::string_view kFloppyTitle = "Where's the Floppy?";
inline constexpr std::string_view kEnrolmentErrorsTitle = "Errors in Enrolment Data";
inline constexpr std::string_view kEnrolmentErrorsMessage =
    "There were errors found in your enrolment data.  Click OK to view the errors.";

// The log line of a row without a preferred name.
std::string NoPreferredNameLine(EnrolmentFormat format, const std::string& surname);

// An export shorter than 100 bytes.
std::string ShortExportMessage(EnrolmentFormat format);
// The export (or its folder) does not exist.
std::string MissingExportMessage(EnrolmentFormat format);
// The drive holds no medium.
std::string FloppyMessage(EnrolmentFormat format);
// An input/output error.
std::string BadSectorsMessage();
// Any other error.
std::string UnexpectedErrorMessage(int number);

}  // namespace builder
