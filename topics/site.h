// What start-up learns of the site the tool runs in: its root, year, subject
// groups, students and custom groups, and the paths built from them.
#pragma once

#include <string>
#include <vector>

#include "topics/shortcut_settings.h"
#include "topics/student_list.h"

namespace topics {

struct TopicsSite {
  // The program's folder with its separator at the end; the separator ("/"
  // for a native folder, "\" for a drive path) joins every path built below it.
  std::string site_root;
  ShortcutSettings settings;
  std::vector<StudentRecord> students;
  DistinctLists distinct;
  std::vector<std::string> custom_groups;  // bare file names

  char Separator() const;
  // The year's decimal digits, without sign or blanks.
  std::string YearText() const;
  // Site root, year and separator.
  std::string YearFolder() const;
  std::string StudentListFile() const { return site_root + "ovshrtct.dat"; }
  std::string SettingsFile() const { return site_root + "ovshrtct.ini"; }
  std::string LogFile() const { return site_root + "ovtopicslog.txt"; }
};

// A custom group file's name: it ends in ".CSV", letter case ignored.
bool IsCustomGroupName(const std::string& name);

// The site root from a program folder: a backslash is appended unless the
// folder already ends in a separator.
std::string SiteRootOf(const std::string& program_folder);

}  // namespace topics
