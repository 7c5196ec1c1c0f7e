// One year level: its folder, list and classes, the class-list page, and the
// class and student loops with the year's master pages.
#include <map>
#include <string>

#include "builder/pages/level_writers.h"
#include "builder/pages/page_writers.h"
#include "builder/pages/progress_quips.h"
#include "builder/pages/year_list.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "subjects/pages/subject_writers.h"

namespace builder {

namespace {

constexpr const char* kLevelSet[] = {"but-yrpg.jpg", "but-clpg.jpg", "but-home.jpg"};
constexpr const char* kClassSet[] = {"but-yrpg.jpg", "but-clik.jpg", "but-clpg.jpg", "but-home.jpg",
                                     "but-stpg.jpg"};
constexpr const char* kStudentSet[] = {"but-yrpg.jpg", "but-clpg.jpg", "but-home.jpg",
                                       "but-stpg.jpg", "but-mypg.jpg", "but-clik.jpg",
                                       "owl.gif"};

class LevelBuild {
 public:
  LevelBuild(site::BuildRun& run, YearLevel& level)
      : run_(run),
        level_(level),
        year_folder_(run.ctx.TargetDrive + "\\orvane\\" + run.settings.SiteYear()),
        level_folder_(year_folder_ + "\\" + run.ctx.LevelFolderName) {}

  void PrepareLevelFolder() {
    EnterFolder(level_folder_);
    CopyButtons(kLevelSet, level_folder_);
  }

  void MakeClassFolders() {
    for (const LevelClass& entry : level_.classes) {
      site::PassOver75([&] { vb::MkDir(level_folder_ + "\\" + entry.ClassFolderName); });
    }
  }

  void ClassLoop() {
    const int class_count = static_cast<int>(level_.classes.size());
    for (int c = 0; c < class_count; ++c) {
      run_.ctx.CurrentClassFolder = level_.classes[c].ClassFolderName;
      run_.progress.SetLabel3(NextProgressQuip());
      run_.progress.Repaint();
      const std::string class_folder = ClassFolder();
      EnterFolder(class_folder);
      CopyButtons(kClassSet, class_folder);
      WriteClassPage(run_, level_, c);
      site::PassOver75([&] { TeachersNews(run_); });
      StudentLoop(c);
      CopyMasterToClass();
    }
  }

 private:
  std::string ClassFolder() const { return level_folder_ + "\\" + run_.ctx.CurrentClassFolder; }

  void EnterFolder(const std::string& folder) {
    vb::ChDrive(run_.ctx.TargetDrive);
    vb::ChDir(folder);
  }

  template <size_t N>
  void CopyButtons(const char* const (&set)[N], const std::string& folder) {
    if (run_.settings.ImagePlacement() != site::ImagePlacement::Replicated) return;
    for (const char* name : set) {
      CopyHeld(run_.ctx.ProgramFolder + run_.ctx.ThemeFolder + "\\" + name, folder + "\\" + name);
    }
  }

  void StudentLoop(int class_index) {
    const std::string& class_name = level_.classes[class_index].ClassName;
    const int row_count = static_cast<int>(level_.rows.size());
    for (int r = 0; r < row_count; ++r) {
      const LevelRow& row = level_.rows[r];
      run_.ctx.CurrentPreferredName = row.PreferredName;
      run_.ctx.CurrentSurname = row.Surname;
      run_.ctx.CurrentStudentFolder = level_.row_student_folders[r];
      // The build's first row is written twice: as the year's master pages,
      // then as its own student.
      if (run_.ctx.MasterFlag == 0) {
        run_.ctx.MasterPath = year_folder_ + "\\masterstudent";
        StudentPass(run_.ctx.MasterPath);
        run_.ctx.MasterFlag = 1;
      }
      if (row.RollClass != class_name) continue;
      StudentPass(ClassFolder() + "\\" + run_.ctx.CurrentStudentFolder);
    }
  }

  // One student (or the master) in `folder`: its buttons and its pages.
  void StudentPass(std::string folder) {
    EnterFolder(folder);
    CopyButtons(kStudentSet, folder);
    if (run_.settings.PageLayout() == site::PageLayout::Subject) {
      site::PassOver75([&] { subjects::WriteStudentHomePage(run_); });
      site::PassOver75([&] { subjects::WriteSubjectPages(run_); });
      site::PassOver75([&] { subjects::WriteTopicPages(run_); });
    } else {
      StudentPages();
    }
  }

  void StudentPages() {
    const bool portfolio = run_.settings.WritingPortfolio();
    site::PassOver75([&] { WriteK6HomePage(run_); });
    for (const char* name : {"work", "images", "powerpoints"}) {
      site::PassOver75([&] { vb::MkDir(name); });
    }
    if (portfolio) {
      site::PassOver75([&] { vb::MkDir("writing"); });
      for (int i = 1; i <= 6; ++i) {
        CopyHeld(run_.ctx.ProgramFolder + "writing.doc", "writing\\writing" + vb::NumberText(i) + ".doc");
      }
    }
    // An error 75 in one topic page skips the rest of that page only.
    for (int t = 1; t <= 12; ++t) {
      site::PassOver75([&] { WriteTopicPage(run_, t); });
    }
    if (portfolio) CopyHeld(run_.ctx.TargetDrive + "\\orvane\\writing.htm", "topic12.htm");
  }

  // FileCopy of a file that every class or student gets: it is read at its
  // first copy in the level and copied from memory after that.
  void CopyHeld(const std::string& source, const std::string& target) {
    held_.try_emplace(source, source).first->second.CopyTo(target);
  }

  // Every subfolder, then every file, of the year's master folder into the
  // class's, replacing files that exist.
  void CopyMasterToClass() {
    vb::CopyFolderContents(year_folder_ + "\\masterstudent", ClassFolder() + "\\masterstudent");
  }

  site::BuildRun& run_;
  YearLevel& level_;
  const std::string year_folder_;
  const std::string level_folder_;
  std::map<std::string, vb::HeldFile> held_;
};

}  // namespace

void BuildYearLevel(site::BuildRun& run, const std::string& year_list_path) {
  const std::string list = vb::ReadFileBytes(year_list_path);
  YearLevel level;
  LevelBuild build(run, level);
  build.PrepareLevelFolder();
  level.rows = ReadYearList(list);
  level.classes = CollectClasses(level.rows, run.settings.FolderNaming());
  build.MakeClassFolders();
  WriteClassListPage(run, level);
  build.ClassLoop();
}

}  // namespace builder
