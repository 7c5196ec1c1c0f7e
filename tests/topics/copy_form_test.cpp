#include <gtest/gtest.h>

#include <functional>

#include "topics/copy_form.h"
#include "topics/destination.h"

using topics::CopyForm;
using topics::Destination;
using topics::Subfolder;
using topics::Variant;

namespace {

const std::vector<std::string> kNames = {"Mathematics", "Science"};
const std::vector<std::string> kFolders = {"maths", "science"};

// A complete file-mode form: replace topic3 for year3.
CopyForm Complete() {
  CopyForm f;
  f.topic_text = "topic3";
  f.year_text = "year3";
  f.class_text = "[select]";
  f.group_text = "[select]";
  f.file_name = "page.htm";
  f.subject_text = "Mathematics";
  f.subject_index = 0;
  return f;
}

bool Passes(Variant v, CopyForm f) { return topics::CheckForm(v, kNames, f); }

}  // namespace

// Each rule of the form check, the refused topic names and the unknown
// subject among them, against a complete form that passes.
TEST(FormCheck, EachRuleStopsTheRun) {
  EXPECT_TRUE(Passes(Variant::kPrimary, Complete()));
  EXPECT_TRUE(Passes(Variant::kHighSchool, Complete()));
  for (const char* topic : {"[select]", "", "..\\..\\index", "a/b", "c:x", "..", ".", "   "}) {
    CopyForm f = Complete();
    f.topic_text = topic;
    EXPECT_FALSE(Passes(Variant::kPrimary, f)) << topic;
  }
  const Variant p = Variant::kPrimary, h = Variant::kHighSchool;
  const struct {
    Variant variant;
    std::function<void(CopyForm&)> change;
    bool passes;
  } cases[] = {
      {p, [](CopyForm& f) { f.year_text = "[select]"; }, false},
      {p, [](CopyForm& f) { f.year_text = ""; }, false},
      {p, [](CopyForm& f) { f.destination = Destination::kClass; }, false},
      {p, [](CopyForm& f) { f.destination = Destination::kClass, f.class_text = ""; }, false},
      {p, [](CopyForm& f) { f.destination = Destination::kCustom; }, false},
      {p, [](CopyForm& f) { f.destination = Destination::kCustom, f.group_text = "  "; }, false},
      {p, [](CopyForm& f) { f.file_name = "  "; }, false},
      {h, [](CopyForm& f) { f.subject_text = "[select]"; }, false},
      {h, [](CopyForm& f) { f.subject_text = "   "; }, false},
      {h, [](CopyForm& f) { f.subject_index = -1, f.subject_text = "science"; }, false},
      // Not rules: only the empty year text is refused, and the primary tool has no subject.
      {p, [](CopyForm& f) { f.year_text = "  "; }, true},
      {p, [](CopyForm& f) { f.subject_text = "[select]"; }, true},
      {p, [](CopyForm& f) { f.file_mode = false, f.replace_topic = false, f.file_name = ""; }, true},
  };
  int row = 0;
  for (const auto& c : cases) {
    CopyForm f = Complete();
    c.change(f);
    EXPECT_EQ(Passes(c.variant, f), c.passes) << "row " << row++;
  }
  // A typed subject that is a name exactly is that subject.
  CopyForm typed = Complete();
  typed.subject_index = -1;
  typed.subject_text = "Science";
  EXPECT_TRUE(topics::CheckForm(Variant::kHighSchool, kNames, typed));
  EXPECT_EQ(typed.subject_index, 1);
}

TEST(Confirmation, TextsForEveryChoice) {
  CopyForm f = Complete();
  f.class_text = "3b";
  f.group_text = "Group A.csv";
  struct Row {
    Variant variant;
    bool file_mode, replace;
    Destination destination;
    Subfolder subfolder;
    const char* text;
  };
  const Row rows[] = {
      {Variant::kPrimary, true, true, Destination::kYear, Subfolder::kRoot,
       "You are about to overwrite topic3.htm for the whole of year3.  Are you sure you want to do this?"},
      {Variant::kPrimary, true, true, Destination::kClass, Subfolder::kRoot,
       "You are about to overwrite topic3.htm for the whole of class 3b.  Are you sure you want to do this?"},
      {Variant::kPrimary, true, true, Destination::kCustom, Subfolder::kRoot,
       "You are about to overwrite topic3.htm for all students in the custom group Group A.csv.  Are you "
       "sure you want to do this?"},
      {Variant::kPrimary, true, false, Destination::kYear, Subfolder::kRoot,
       "You are about to copy page.htm into the Orvane  folder of each student in year3.  Are you sure you "
       "want to do this?"},
      {Variant::kPrimary, true, false, Destination::kClass, Subfolder::kWork,
       "You are about to copy page.htm into the Orvane work\\ folder of each student in class 3b.  Are you "
       "sure you want to do this?"},
      {Variant::kPrimary, true, false, Destination::kCustom, Subfolder::kWriting,
       "You are about to copy page.htm into the Orvane writing\\ folder of each student in the custom group "
       "Group A.csv.  Are you sure you want to do this?"},
      {Variant::kHighSchool, true, true, Destination::kYear, Subfolder::kRoot,
       "You are about to overwrite topic3.htm in the maths\\ folder for the whole of year3.  Are you sure "
       "you want to do this?"},
      {Variant::kHighSchool, true, true, Destination::kCustom, Subfolder::kRoot,
       "You are about to overwrite topic3.htm in the maths\\ folder for all students in the custom group "
       "Group A.csv.  Are you sure you want to do this?"},
      {Variant::kHighSchool, true, false, Destination::kClass, Subfolder::kRoot,
       "You are about to copy page.htm into the Orvane maths\\ folder of each student in class 3b.  Are you "
       "sure you want to do this?"},
      {Variant::kPrimary, false, false, Destination::kYear, Subfolder::kImages,
       "You are about to copy the selected OPEN folder and any subfolders into the Orvane images\\ folder "
       "of each student in year3.  Are you sure you want to do this?"},
      {Variant::kHighSchool, false, false, Destination::kCustom, Subfolder::kRoot,
       "You are about to copy the selected OPEN folder and any subfolders into the Orvane maths\\ folder "
       "of each student in the custom group Group A.csv.  Are you sure you want to do this?"},
  };
  for (const Row& row : rows) {
    f.file_mode = row.file_mode;
    f.replace_topic = row.replace;
    f.destination = row.destination;
    f.subfolder = row.subfolder;
    const std::string part = topics::DestinationPart(row.variant, kFolders, f);
    EXPECT_EQ(topics::ConfirmationText(row.variant, f, part), row.text);
  }
}

TEST(Destination, PathsInTheStudentFolder) {
  topics::TopicsSite site;
  site.site_root = "/srv/orvane/";
  site.settings.site_year = 2005;
  site.settings.subject_group_folders = kFolders;
  const topics::StudentRecord r{"Smith Anna", "smith_anna", "3b", "year3"};
  CopyForm f = Complete();
  f.topic_text = " topic3 ";
  f.subfolder = Subfolder::kWork;
  const std::string student = "/srv/orvane/2005/year3/3b/smith_anna/";
  // Replacing a topic ignores the sub-folder; the subject folder always counts.
  EXPECT_EQ(topics::FileDestination(Variant::kPrimary, site, f, r), student + "topic3.htm");
  EXPECT_EQ(topics::FileDestination(Variant::kHighSchool, site, f, r), student + "maths/topic3.htm");
  f.replace_topic = false;
  EXPECT_EQ(topics::FileDestination(Variant::kPrimary, site, f, r), student + "work/page.htm");
  EXPECT_EQ(topics::FileDestination(Variant::kHighSchool, site, f, r), student + "maths/page.htm");
  f.subfolder = Subfolder::kRoot;
  EXPECT_EQ(topics::FileDestination(Variant::kPrimary, site, f, r), student + "page.htm");

  f.opened_folder = "D:\\lessons\\maths";
  EXPECT_EQ(topics::FolderDestination(Variant::kPrimary, site, f, r), student + "maths");
  f.subfolder = Subfolder::kPowerPoints;
  EXPECT_EQ(topics::FolderDestination(Variant::kPrimary, site, f, r), student + "powerpoints/maths");
  f.subject_index = 1;
  EXPECT_EQ(topics::FolderDestination(Variant::kHighSchool, site, f, r), student + "science/maths");

  const std::string long_name(60, 'x');
  EXPECT_EQ(topics::CopiedFolderName("/home/t/" + long_name, '/'), "/" + std::string(49, 'x'));
  EXPECT_EQ(topics::CopiedFolderName("D:\\lessons\\" + std::string(45, 'y') + "    zz", '\\'),
            "\\" + std::string(45, 'y'));
  EXPECT_EQ(topics::CopiedFolderName("D:\\", '\\'), "\\");
}
