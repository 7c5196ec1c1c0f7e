#include "topics/startup.h"

#include "platform/files.h"
#include "platform/vb_error.h"

namespace topics {

namespace {

enum class Step { kReadSettings, kCopyList, kOther };

StartupRefusal WriteAccessRefusal(const TopicsSite& site) {
  return {"It appears as though you do not have write access to the Orvane\\" + site.YearText() +
              " folder.  You cannot use the Topics Utility.",
          "Access problem!"};
}

StartupRefusal RefusalFor(const vb::Error& error, Step step, Variant variant, const TopicsSite& site) {
  const int n = error.number();
  if (n == 53) {
    return {"Are you running this utility from the Orvane folder?  I can't find the OVSHRTCT.INI "
            "file.  You cannot use the Topics Utility unless you run it from the Orvane folder.",
            "Access problem!"};
  }
  if (step == Step::kCopyList && (n == 76 || n == 70 || n == 75)) return WriteAccessRefusal(site);
  if (variant == Variant::kHighSchool) {
    if (step == Step::kReadSettings && n == 62) {
      return {"There is a probem with the OVSHRTCT.INI file.  You cannot use the Topics Utility "
              "until it is corrected.",
              "Access problem!"};
    }
    return WriteAccessRefusal(site);
  }
  return {"Error Code: " + std::to_string(n) + ".  You cannot use the Topics Utility.", "Error!"};
}

}  // namespace

std::optional<StartupRefusal> StartTopics(Variant variant, TopicsSite& site) {
  Step step = Step::kReadSettings;
  try {
    ReadShortcutSettings(site.SettingsFile(), variant, site.settings);
    if (variant == Variant::kHighSchool && site.settings.subject_group_count == 0) {
      return StartupRefusal{"You are running the High School Topics Utility, but it looks like you "
                            "don't have a High School Layout in Orvane!",
                            "Problem"};
    }

    step = Step::kCopyList;
    vb::FileCopy(site.StudentListFile(), site.YearFolder() + "allstudents.csv");

    step = Step::kOther;
    for (const vb::FolderEntry& entry : vb::ListFolder(site.YearFolder())) {
      if (!entry.is_folder && IsCustomGroupName(entry.name)) site.custom_groups.push_back(entry.name);
    }
    site.students = LoadStudentList(site.StudentListFile(), false);
    site.distinct = CollectDistinct(site.students);
  } catch (const vb::Error& error) {
    return RefusalFor(error, step, variant, site);
  }
  return std::nullopt;
}

}  // namespace topics
