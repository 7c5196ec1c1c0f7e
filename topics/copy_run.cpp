#include "topics/copy_run.h"

#include <algorithm>
#include <optional>

#include "common/open_with.h"
#include "platform/msgbox.h"
#include "platform/native_paths.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "topics/destination.h"
#include "topics/student_list.h"

namespace fs = std::filesystem;

namespace topics {

namespace {

std::optional<fs::path> CanonicalOf(const std::string& path) {
  try {
    return vb::WeaklyCanonical(vb::Resolve(path));
  } catch (const vb::Error&) {
    return std::nullopt;
  }
}

// True when both paths name one existing file.
bool SameFile(const std::string& a, const std::string& b) {
  try {
    return vb::IsSameNativeFile(vb::Resolve(a), vb::Resolve(b));
  } catch (const vb::Error&) {
    return false;
  }
}

// True when `inner` is `outer` or lies below it.
bool IsWithin(const fs::path& inner, const fs::path& outer) {
  auto mismatch = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return mismatch.first == outer.end();
}

// A folder field names one folder inside its parent: not empty, no drive,
// no separator (so not absolute) and no "..".
bool IsFolderField(const std::string& name) {
  return IsOneName(name) && name.find("..") == std::string::npos;
}

bool SafeRecord(const StudentRecord& r) {
  return IsFolderField(r.student_folder) && IsFolderField(r.class_folder) && IsFolderField(r.level_folder);
}

// `folder` is not below the student folder (a subject folder of the
// settings file may climb out of it), or the student folder or a folder on
// the way down to `folder` is a link: the copy would land wherever that
// points. Links higher up the site are the school's own and are followed.
bool LeavesStudentFolder(const std::string& student_folder, const std::string& folder) {
  try {
    fs::path at = vb::Resolve(student_folder);
    const fs::path below = vb::Resolve(folder).lexically_relative(at);
    if (vb::IsNativeLink(at)) return true;
    for (const fs::path& name : below) {
      if (name == ".") continue;
      if (name == "..") return true;
      at /= name;
      if (vb::IsNativeLink(at)) return true;
    }
    return false;
  } catch (const vb::Error&) {
    return false;
  }
}

std::string ParentOf(const std::string& path) {
  const size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

// One confirmed run over the loaded students.
class CopyRun {
 public:
  CopyRun(Variant variant, const TopicsSite& site, const CopyForm& form, vb::LineWriter& log,
          const StatusLine& status)
      : variant_(variant), site_(site), form_(form), log_(log), status_(status) {}

  void Run() {
    const size_t count = site_.students.size();
    for (size_t i = 0; i < count; ++i) {
      const StudentRecord& r = site_.students[i];
      if (!Selected(r)) continue;
      if (form_.file_mode) CopyFileToStudent(r);
      else CopyFolderToStudent(r);
    }
  }

 private:
  bool Selected(const StudentRecord& r) const {
    switch (form_.destination) {
      case Destination::kCustom: return true;
      case Destination::kYear: return vb::Trim(form_.year_text) == r.level_folder;
      case Destination::kClass: return vb::Trim(form_.class_text) == r.class_folder;
    }
    return false;
  }

  void CopyFileToStudent(const StudentRecord& r) {
    const std::string destination = FileDestination(variant_, site_, form_, r);
    status_(destination);
    if (Outside(r, ParentOf(destination))) return Log(kOtherFailure, destination);
    if (!vb::FolderExists(ParentOf(destination))) return Log(kPathMissing, destination);
    // A file copied onto itself would be emptied: it is in use, as the source.
    if (SameFile(form_.selected_file_path, destination)) return Log(kOtherFailure, destination);
    try {
      vb::FileCopy(form_.selected_file_path, destination);
    } catch (const std::exception&) {
      Log(kOtherFailure, destination);
    }
  }

  void CopyFolderToStudent(const StudentRecord& r) {
    const std::string destination = FolderDestination(variant_, site_, form_, r);
    // Refused before anything is made: a destination outside the student's
    // folder, and one inside the opened folder itself.
    const bool refused = Outside(r, destination) || IsInsideSource(destination);
    if (!refused) {
      try {
        vb::MkDir(destination);
      } catch (const vb::Error&) {
        // It may exist already; a missing parent shows below.
      }
    }
    status_(destination);
    if (refused) return Log(kOtherFailure, destination);
    if (!vb::FolderExists(destination)) {
      // Only a missing student or sub-folder is a missing path; a folder that
      // could not be made in an existing one is any other failure.
      return Log(vb::FolderExists(ParentOf(destination)) ? kOtherFailure : kPathMissing, destination);
    }
    try {
      vb::CopyFolderContents(form_.opened_folder, destination);
    } catch (const std::exception&) {
      Log(kOtherFailure, destination);
    }
  }

  // A record whose folders are not plain names, or a way to `folder` that
  // climbs or passes a link, would take the copy out of the student's folder.
  bool Outside(const StudentRecord& r, const std::string& folder) const {
    return !SafeRecord(r) || LeavesStudentFolder(StudentFolderPath(site_, r), folder);
  }

  bool IsInsideSource(const std::string& destination) const {
    const auto source = CanonicalOf(form_.opened_folder);
    const auto target = CanonicalOf(destination);
    return source && target && IsWithin(*target, *source);
  }

  void Log(const char* text, const std::string& destination) {
    try {
      log_.Print(text + destination);
    } catch (const vb::Error&) {
      // A full disk cannot take the log line either; the run goes on.
    }
  }

  Variant variant_;
  const TopicsSite& site_;
  const CopyForm& form_;
  vb::LineWriter& log_;
  const StatusLine& status_;
};

}  // namespace

bool IsRefusedSource(const std::string& folder, const std::string& site_root) {
  const auto source = CanonicalOf(folder);
  const auto root = CanonicalOf(site_root);
  if (!source) return false;
  if (*source == source->root_path()) return true;
  if (const char letter = vb::DriveOfNative(*source)) {
    if (const auto drive = vb::DriveFolder(letter)) {
      if (vb::WeaklyCanonical(*drive) == *source) return true;
    }
  }
  return root && IsWithin(*root, *source);
}

void WriteLogHeader(vb::LineWriter& log, Variant variant, std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%m-%d-%Y %H:%M:%S", &local);
  log.Print(std::string("Error log for Orvane Topics Utility - ") + stamp);
  if (variant == Variant::kPrimary) log.Print("The following errors were encountered:");
  log.Print(" ");
}

void RunTopicsCopy(Variant variant, TopicsSite& site, CopyForm form, const StatusLine& status) {
  if (!CheckForm(variant, site.settings.subject_group_names, form)) {
    vb::MsgBox(FormMessage(variant), vb::vbInformation, "Please complete the form");
    return;
  }
  if (!form.file_mode && IsRefusedSource(form.opened_folder, site.site_root)) {
    vb::MsgBox("You cannot copy a folder that contains the Orvane folder.", vb::vbCritical, "Sorry");
    return;
  }
  const std::string part = DestinationPart(variant, site.settings.subject_group_folders, form);
  if (vb::MsgBox(ConfirmationText(variant, form, part), vb::vbYesNo, "Are you sure?") != vb::vbYes) {
    return;
  }

  const bool group_file = form.destination == Destination::kCustom;
  const std::string list_path =
      group_file ? site.YearFolder() + vb::Trim(form.group_text) : site.StudentListFile();
  try {
    site.students = LoadStudentList(list_path, group_file);
  } catch (const vb::Error&) {
    vb::MsgBox("The student list " + list_path + " could not be read.", vb::vbCritical, "Sorry");
    return;
  }
  std::optional<vb::LineWriter> log;
  try {
    log.emplace(site.LogFile());
    WriteLogHeader(*log, variant, std::time(nullptr));
  } catch (const vb::Error&) {
    vb::MsgBox("The error log " + site.LogFile() + " could not be created.", vb::vbCritical, "Sorry");
    return;
  }

  CopyRun(variant, site, form, *log, status).Run();

  status(kStatusHint);
  vb::MsgBox("Copy into all selected folders complete.  Click OK to check the error log.",
             vb::vbInformation, "Results");
  try {
    log->Close();
  } catch (const vb::Error&) {
    // What reached the disk is what the user sees.
  }
  common::OpenWithAssociatedProgram("Open", site.LogFile(), std::nullopt, std::nullopt, 1);
}

}  // namespace topics
