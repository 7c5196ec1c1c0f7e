#include "topics/copy_form.h"

#include "platform/text.h"

namespace topics {

namespace {

const char kSure[] = ".  Are you sure you want to do this?";

bool Incomplete(Variant variant, const CopyForm& f) {
  const bool high_school = variant == Variant::kHighSchool;
  const bool year = f.destination == Destination::kYear;
  const bool klass = f.destination == Destination::kClass;
  const bool custom = f.destination == Destination::kCustom;
  return (f.replace_topic && f.topic_text == kSelect) ||
         (f.replace_topic && f.topic_text.empty()) ||
         (year && f.year_text == kSelect) ||
         (year && f.year_text.empty()) ||
         (klass && f.class_text == kSelect) ||
         (custom && f.group_text == kSelect) ||
         (high_school && f.subject_text == kSelect) ||
         (high_school && vb::Trim(f.subject_text).empty()) ||
         (klass && f.class_text.empty()) ||
         (f.file_mode && vb::Trim(f.file_name).empty()) ||
         // The topic text names a file in every student folder, and the
         // group box names a file of the year folder.
         (f.replace_topic && !IsOneName(vb::Trim(f.topic_text))) ||
         (custom && vb::Trim(f.group_text).empty());
}

// The group of students as the question names it.
std::string GroupWords(const CopyForm& f, bool replacing) {
  switch (f.destination) {
    case Destination::kYear:
      return (replacing ? "for the whole of " : "of each student in ") + f.year_text;
    case Destination::kClass:
      return (replacing ? "for the whole of class " : "of each student in class ") + f.class_text;
    case Destination::kCustom:
      return (replacing ? "for all students in the custom group " : "of each student in the custom group ") +
             f.group_text;
  }
  return {};
}

}  // namespace

bool IsOneName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("\\/:") == std::string::npos;
}

bool CheckForm(Variant variant, const std::vector<std::string>& subject_names, CopyForm& form) {
  if (Incomplete(variant, form)) return false;
  if (variant == Variant::kHighSchool && form.subject_index < 0) {
    for (size_t i = 0; i < subject_names.size(); ++i) {
      if (subject_names[i] == form.subject_text) {
        form.subject_index = static_cast<int>(i);
        break;
      }
    }
    if (form.subject_index < 0) return false;
  }
  return true;
}

std::string FormMessage(Variant variant) {
  if (variant == Variant::kHighSchool) {
    return "You have not completed the form correctly.  Make sure you select the file or folder to be "
           "copied, how you want it copied, which subject folder and the class, year or custom group "
           "you want it copied into.";
  }
  return "You have not completed the form correctly.  Make sure you select the file or folder to be "
         "copied, how you want it copied and the class, year or custom group you want it copied into.";
}

std::string ConfirmationText(Variant variant, const CopyForm& f, const std::string& part) {
  if (!f.file_mode) {
    return "You are about to copy the selected OPEN folder and any subfolders into the Orvane " + part +
           " folder " + GroupWords(f, false) + kSure;
  }
  if (f.replace_topic) {
    const std::string where = variant == Variant::kHighSchool ? " in the " + part + " folder" : "";
    return "You are about to overwrite " + f.topic_text + ".htm" + where + " " + GroupWords(f, true) + kSure;
  }
  return "You are about to copy " + f.file_name + " into the Orvane " + part + " folder " +
         GroupWords(f, false) + kSure;
}

}  // namespace topics
