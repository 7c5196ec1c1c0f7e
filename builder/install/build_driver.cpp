#include "builder/install/build_driver.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <string>

#include "site/build_run.h"
#include "builder/core/support_address.h"
#include "builder/core/tables.h"
#include "builder/import/year_lists.h"
#include "builder/install/copy_one.h"
#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "builder/pages/page_writers.h"
#include "common/open_with.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "subjects/core/subject_groups.h"

namespace builder {

namespace {

bool IsDriveError(int number) {
  return number == 52 || number == 61 || number == 57 || number == 71 || number == 70;
}

// Seconds since midnight, rounded, as the closing wait notes its start.
std::int32_t SecondsSinceMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

// One press of Install: the steps, the finishing steps and the error handler.
class Build {
 public:
  Build(site::BuildContext& ctx, const site::BuildSettings& settings, site::ProgressWindow& progress,
        InstallWindow& window, const InstallServices& services)
      : ctx_(ctx),
        settings_(settings),
        progress_(progress),
        window_(window),
        services_(services),
        run_{ctx, settings, progress} {}

  void Run() {
    // A subject-based site needs its groups; without them every student page
    // would be written with no subject in it.
    if (settings_.PageLayout() == site::PageLayout::Subject && subjects::Groups().SubjectGroupCount < 2) {
      vb::MsgBox("Please confirm at least two Subject Groups in the High School Layout Options window.",
                 vb::vbCritical, "Sorry");
      return;
    }
    ctx_.TargetDrive = settings_.TargetDriveLetter() + ":";
    if (!DriveListsAnything()) {
      vb::MsgBox("The drive letter specified is unavailable!", vb::vbCritical, "Drive Problem");
      AbandonBuild();
      return;
    }
    bool refused = false;
    try {
      refused = !BuildSite();
    } catch (const vb::Error& error) {
      HandleBuildError(error);  // returns only after a drive message
    }
    FinishSite(refused);
  }

 private:
  std::string SiteRoot() const { return ctx_.TargetDrive + "\\orvane\\"; }
  std::string YearFolder() const { return SiteRoot() + settings_.SiteYear() + "\\"; }

  // A drive whose root lists nothing (or cannot be listed) is unavailable.
  bool DriveListsAnything() const {
    try {
      return !vb::ListFolder(ctx_.TargetDrive + "\\").empty();
    } catch (const vb::Error&) {
      return false;
    }
  }

  // Makes the site root and its shared files, then the home page, the year's
  // page and its levels. False when the year was built before.
  bool BuildSite() {
    progress_.Show();
    progress_.SetLabel1("Creating Orvane Folder System");
    progress_.SetLabel3("Preparing all desired HTM Template Files.  Please wait...");
    progress_.Repaint();

    site::PassOver75([&] { vb::MkDir(ctx_.TargetDrive + "\\orvane"); });
    vb::ChDrive(ctx_.TargetDrive);
    vb::ChDir(ctx_.TargetDrive + "\\orvane");
    TakeThemeAndFont();
    site::PassOver75([&] { vb::MkDir("ovimages"); });
    ctx_.ImageSubfolder = "ovimages\\";

    CopySiteFiles(run_);
    PersonaliseWritingPage(run_);

    site::PassOver75([&] { vb::MkDir(SiteRoot() + settings_.SiteYear()); });
    if (YearBuiltBefore()) {
      vb::MsgBox("You have already created an Orvane for the selected year. It cannot be overwritten.",
                 vb::vbCritical, "Sorry");
      return false;
    }

    site::PassOver75([&] { WriteShortcutSettings(run_, subjects::Groups()); });
    student_list_.emplace("ovshrtct.srt");
    run_.student_list = &*student_list_;

    site::PassOver75([&] {
      // Opening the home page for random access makes an empty one when there is none.
      vb::LineWriter probe("index.htm", vb::LineWriter::Append);
      probe.Close();
    });
    if (vb::FileLen("index.htm") == 0) {
      home_page_made_ = true;
      site::PassOver75([&] { MainSchoolPage(run_); });
    }

    vb::ChDrive(ctx_.TargetDrive);
    vb::ChDir(YearFolder());
    if (settings_.ImagePlacement() == site::ImagePlacement::Replicated) {
      const std::string theme_folder = ctx_.ProgramFolder + ctx_.ThemeFolder + "\\";
      for (const char* image : {"but-yrpg.jpg", "but-home.jpg"}) {
        site::PassOver75([&] { CopyOne(theme_folder + image, YearFolder() + image); });
      }
    }
    site::PassOver75([&] { YearIndexPage(run_); });
    BuildTickedLevels();
    levels_built_ = true;
    return true;
  }

  // The chosen theme's folder and colours and the chosen font, for every page.
  void TakeThemeAndFont() {
    const ThemeRow& theme = ThemeTable.at(static_cast<size_t>(settings_.Theme()));
    ctx_.ThemeFolder = std::string(theme.folder);
    ctx_.ThemeColour1 = std::string(theme.colour1);
    ctx_.ThemeColour2 = std::string(theme.colour2);
    ctx_.FontFace = std::string(FontTable.at(static_cast<size_t>(settings_.FontChoice())).face);
  }

  // Every ticked year level, in the order of the table, from its year list.
  void BuildTickedLevels() {
    for (size_t row = 0; row < YearLevelTable.size(); ++row) {
      if (!settings_.YearLevel(static_cast<int>(row))) continue;
      const YearLevelRow& level = YearLevelTable[row];
      const std::string list = ctx_.ProgramFolder + std::string(level.list_file);
      vb::FileLen(list);  // a level without a list raises 53 here, as its opening would
      ctx_.LevelFolderName = std::string(level.folder);
      ctx_.LevelHeading = std::string(level.heading);
      site::PassOver75([&] { BuildYearLevel(run_, list); });
    }
  }

  bool YearBuiltBefore() const {
    const std::string page = YearFolder() + "index.htm";
    return vb::FileExists(page) && vb::FileLen(page) > 0;
  }

  // The handler for errors while the site is built: returns after a drive message,
  // so that the site is finished with what there is; ends the program otherwise.
  void HandleBuildError(const vb::Error& error) {
    if (IsDriveError(error.number())) {
      ShowDriveMessage(error.number());
      return;
    }
    EndWithMessage(error.number());
  }

  void ShowDriveMessage(int number) {
    progress_.Flush();
    if (number == 52) {
      vb::MsgBox("You cannot use the CD drive as the destination for Orvane!", vb::vbCritical,
                 "Select Another Drive");
    } else if (number == 61) {
      vb::MsgBox("The Selected Drive is Full!  Delete files you don't need or select another drive",
                 vb::vbCritical, "Check Selected Drive");
    } else {
      vb::MsgBox("Error Writing to the Selected Drive.  Do you have sufficient User Rights?",
                 vb::vbCritical, "Check Selected Drive");
    }
  }

  [[noreturn]] void EndWithMessage(int number) {
    progress_.Flush();
    if (number == 9) {
      vb::MsgBox(
          "Sorry, you have exceeded the number of supported students per class, or classes per "
          "year.  This is common if you have vertical roll classes.  Orvane will now close.  You "
          "should delete the partially created Orvane folder.",
          vb::vbCritical, "Severe Error");
    } else {
      ctx_.MessageText = "An Error Code " + std::to_string(number) +
                         " has occurred.  Please contact Ondrel Venth at " + std::string(kSupportAddress) +
                         " reporting the problem and what you were trying to do.  Orvane will now "
                         "close.";
      vb::MsgBox(ctx_.MessageText, vb::vbCritical, "Severe Problem");
    }
    CloseAllFiles();
    vb::End();
  }

  // Closes the student list; a failure of its last write is raised.
  void CloseStudentList() {
    run_.student_list = nullptr;
    if (student_list_) student_list_->Close();
  }

  // On the ways out: what the list's last write could not do is passed over.
  void CloseAllFiles() {
    try {
      CloseStudentList();
    } catch (const vb::Error&) {
    }
  }

  // Sorts the student list, copies and personalises the template site, tells
  // how many pages were made, opens the home page and closes the builder.
  // The refusal form leaves out the sort, the year's copy of the list and
  // its deletion; so does a build whose list was never opened.
  void FinishSite(bool refused) {
    try {
      progress_.SetLabel3("Creating new school intranet pages...");
      progress_.Repaint();
      vb::ChDir(ctx_.TargetDrive + "\\");
      vb::ChDrive(ctx_.ProgramFolder);
      vb::ChDir(ctx_.ProgramFolder);
      CloseStudentList();
      const bool sorted = !refused && student_list_.has_value() && SortStudentList();
      KeepEditedTemplateFiles(run_, home_page_made_);
      CopyTemplateSite(run_);
      PersonaliseTemplate(run_);
      if (sorted) {
        // Into the year folder that the build made: a year typed with blanks
        // names it with them, and no folder without them exists.
        site::PassOver75([&] { CopyOne(SiteRoot() + "ovshrtct.dat", YearFolder() + "ovshrtct.dat"); });
        DeleteIfThere(SiteRoot() + "ovshrtct.srt");
      }
      if (!settings_.WritingPortfolio()) DeleteIfThere(SiteRoot() + "writing.htm");
      // Only now is the year whole: until its page takes its name, a stopped
      // build counts as unfinished and is run again.
      if (levels_built_) site::PassOver75([&] { PublishYearPages(run_); });
      UnloadWindows();
      ctx_.MessageText =
          "Ond's Orvane has just created " + vb::NumberText(ctx_.PageCount) +
          " Web Pages in the Orvane folder on your selected drive!  After clicking OK, your new "
          "School Intranet will be launched.  When ready, the System Administrator can move the "
          "Orvane folder to the server.";
      vb::MsgBox(ctx_.MessageText, vb::vbInformation, "Orvane Results");
      ctx_.OpenFile = SiteRoot() + "index.htm";
      ctx_.OpenOperation = "Open";
      ctx_.OpenParameters.reset();
      ctx_.OpenDirectory.reset();
      common::OpenWithAssociatedProgram(ctx_.OpenOperation, ctx_.OpenFile, ctx_.OpenParameters,
                                        ctx_.OpenDirectory, 1);
    } catch (const vb::Error& error) {
      if (!IsDriveError(error.number())) EndWithMessage(error.number());
      // A drive error while finishing is told once; the build then only closes.
      ShowDriveMessage(error.number());
      finish_message_shown_ = true;
      UnloadWindows();
    }
    CloseBuilder();
  }

  // A file that is not there, such as a page that a full drive kept
  // from being made, is passed over; the drive's message has told of it.
  static void DeleteIfThere(const std::string& file) {
    site::PassOver75([&] {
      try {
        vb::Kill(file);
      } catch (const vb::Error& error) {
        if (error.number() != 53) throw;
      }
    });
  }

  // The sorted list replaces any earlier one once it is whole; a failed
  // sort keeps ovshrtct.srt and the earlier list.
  bool SortStudentList() {
    const std::string dat = SiteRoot() + "ovshrtct.dat";
    ctx_.SortCommand = "/T=TMP " + SiteRoot() + "ovshrtct.srt " + dat;
    std::string error_text;
    bool sorted = false;
    try {
      sorted = services_.sort_file(ctx_.ProgramFolder, ctx_.SortCommand, error_text);
    } catch (const vb::Error& error) {
      error_text = error.what();
    }
    ctx_.SortResult = sorted ? "-1" : "0";
    if (!sorted) {
      progress_.Flush();
      vb::MsgBox("The student list could not be sorted: " + error_text, vb::vbCritical, "Sorry");
    }
    return sorted;
  }

  void UnloadWindows() {
    progress_.Hide();
    window_.UnloadSubjectGroupsWindow();
  }

  // Hides the main window, closes every file, deletes the work files and
  // closes the builder after its wait.
  void CloseBuilder() {
    window_.HideMainWindow();
    CloseAllFiles();
    DeleteWorkFiles();
    ctx_.CloseTimer = SecondsSinceMidnight();
    services_.wait(std::chrono::seconds(5));
    window_.PostClose();
  }

  // The year lists and the error log go, and no other file of the
  // program folder; finding none is no error. A drive error here is told
  // only when the finish has not told one already.
  void DeleteWorkFiles() {
    try {
      DeleteYearLists(ctx_.ProgramFolder);
    } catch (const vb::Error& error) {
      if (!IsDriveError(error.number())) EndWithMessage(error.number());
      if (!finish_message_shown_) ShowDriveMessage(error.number());
    }
  }

  // After the drive-unavailable message: back to the program folder, nothing written.
  void AbandonBuild() {
    try {
      vb::ChDrive(ctx_.ProgramFolder);
      vb::ChDir(ctx_.ProgramFolder);
    } catch (const vb::Error&) {
    }
    CloseAllFiles();
  }

  site::BuildContext& ctx_;
  const site::BuildSettings& settings_;
  site::ProgressWindow& progress_;
  InstallWindow& window_;
  const InstallServices& services_;
  bool levels_built_ = false;  // every ticked level was built without a drive error
  site::BuildRun run_;
  std::optional<vb::LineWriter> student_list_;  // ovshrtct.srt: open from a new year to the sort
  bool finish_message_shown_ = false;
  bool home_page_made_ = false;  // this build wrote the site's home page
};

}  // namespace

void Command1_Click(site::BuildContext& ctx, const site::BuildSettings& settings,
                    site::ProgressWindow& progress, InstallWindow& window,
                    const InstallServices& services) {
  Build(ctx, settings, progress, window, services).Run();
}

}  // namespace builder
