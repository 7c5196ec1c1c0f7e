#include "topics/destination.h"

#include "platform/text.h"

namespace topics {

namespace {

const char* SubfolderName(Subfolder subfolder) {
  switch (subfolder) {
    case Subfolder::kRoot: return "";
    case Subfolder::kWork: return "work";
    case Subfolder::kImages: return "images";
    case Subfolder::kPowerPoints: return "powerpoints";
    case Subfolder::kWriting: return "writing";
  }
  return "";
}

// The folder of the student folder that the variant's choice names: the
// picked subject's folder, or the primary tool's sub-folder ("" for Root and
// for a typed subject).
std::string ChosenFolder(Variant variant, const std::vector<std::string>& subject_folders,
                         const CopyForm& form) {
  if (variant == Variant::kPrimary) return SubfolderName(form.subfolder);
  const int p = form.subject_index;
  return p >= 0 && static_cast<size_t>(p) < subject_folders.size() ? subject_folders[p] : std::string();
}

}  // namespace

std::string DestinationPart(Variant variant, const std::vector<std::string>& subject_folders,
                            const CopyForm& form) {
  const std::string folder = ChosenFolder(variant, subject_folders, form);
  // Root is the empty text; a subject always has its "\".
  return folder.empty() && variant == Variant::kPrimary ? folder : folder + "\\";
}

std::string StudentFolderPath(const TopicsSite& site, const StudentRecord& r) {
  const char sep = site.Separator();
  return site.YearFolder() + r.level_folder + sep + r.class_folder + sep + r.student_folder + sep;
}

std::string FileDestination(Variant variant, const TopicsSite& site, const CopyForm& form,
                            const StudentRecord& r) {
  std::string path = StudentFolderPath(site, r);
  // A replaced topic page of the primary tool always goes to the student folder itself.
  const bool in_student_folder = variant == Variant::kPrimary && form.replace_topic;
  const std::string folder =
      in_student_folder ? std::string() : ChosenFolder(variant, site.settings.subject_group_folders, form);
  if (!folder.empty()) path += folder + site.Separator();
  if (form.replace_topic) return path + vb::Trim(form.topic_text) + ".htm";
  return path + form.file_name;
}

std::string CopiedFolderName(const std::string& opened_folder, char separator) {
  const size_t last = opened_folder.find_last_of("\\/");
  const std::string name = last == std::string::npos ? opened_folder : opened_folder.substr(last + 1);
  return vb::RTrim(vb::Left(std::string(1, separator) + name, 50));
}

std::string FolderDestination(Variant variant, const TopicsSite& site, const CopyForm& form,
                              const StudentRecord& r) {
  const char sep = site.Separator();
  std::string path = StudentFolderPath(site, r);
  path.pop_back();
  const std::string folder = ChosenFolder(variant, site.settings.subject_group_folders, form);
  if (!folder.empty()) path += sep + folder;
  const std::string name = CopiedFolderName(form.opened_folder, sep);
  return name.size() > 1 ? path + name : path;
}

}  // namespace topics
