#include "builder/import/enrolment_import.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace builder {

namespace {

// The last name of a path, after its last separator.
std::string LastName(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool ExportExists(std::string_view path) {
  try {
    return vb::FileExists(path);
  } catch (const vb::Error&) {
    return false;  // no drive C: the import reports the missing export
  }
}

}  // namespace

EnrolmentSource ParseEnrolmentOption(std::string_view command_line) {
  const std::string text = vb::Trim(command_line);
  const long p = vb::InStr(1, vb::UCase(text), "/F=");
  if (p == 0) {
    const std::string console = std::string(kSetupFolder) + std::string(kConsoleExportName);
    if (ExportExists(console)) return {console, EnrolmentFormat::Console};
    return {std::string(kSetupFolder) + std::string(kSchoolExportName), EnrolmentFormat::School};
  }
  // One character after "=" is passed over, the blank of "/F= path".
  EnrolmentSource source{vb::Trim(vb::Mid(text, p + 4, 100)), EnrolmentFormat::Console};
  if (vb::LCase(LastName(source.EnrolmentPath)) == kSchoolExportName) {
    source.Format = EnrolmentFormat::School;
  }
  return source;
}

}  // namespace builder
