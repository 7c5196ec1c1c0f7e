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

std::string SubjectFolder(const TopicsSite& site, const CopyForm& form) {
  const auto& folders = site.settings.subject_group_folders;
  const int p = form.subject_index;
  return p >= 0 && static_cast<size_t>(p) < folders.size() ? folders[p] : std::string();
}

}  // namespace

std::string StudentFolderPath(const TopicsSite& site, const StudentRecord& r) {
  const char sep = site.Separator();
  return site.YearFolder() + r.level_folder + sep + r.class_folder + sep + r.student_folder + sep;
}

std::string FileDestination(Variant variant, const TopicsSite& site, const CopyForm& form,
                            const StudentRecord& r) {
  std::string path = StudentFolderPath(site, r);
  const std::string folder = variant == Variant::kHighSchool ? SubjectFolder(site, form)
                             : form.replace_topic           ? std::string()
                                                            : SubfolderName(form.subfolder);
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
  const std::string folder = variant == Variant::kHighSchool ? SubjectFolder(site, form)
                                                             : SubfolderName(form.subfolder);
  if (!folder.empty()) path += sep + folder;
  const std::string name = CopiedFolderName(form.opened_folder, sep);
  return name.size() > 1 ? path + name : path;
}

}  // namespace topics
