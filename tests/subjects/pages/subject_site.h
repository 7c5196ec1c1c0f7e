// A private drive D with a subject-layout build's state: the school's
// settings, two subject groups, and the master or a student folder current.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "site/build_run.h"
#include "subjects/core/subject_groups.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/page_text.h"
#include "tests/support/plain_build_settings.h"
#include "tests/support/temp_drives.h"

namespace subjects_test {

using testing_support::CrLfFromLf;
using testing_support::CrLfLines;

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

class SubjectSite : public ::testing::Test {
 protected:
  SubjectSite() : run{ctx, settings, progress} {
    vb::ChDrive("D");
    ctx.TargetDrive = "D:";
    ctx.FontFace = "Times New Roman";
    ctx.ThemeColour1 = "#999966";
    settings.school_name = " Sample School ";
    settings.layout = site::PageLayout::Subject;
    settings.placement = site::ImagePlacement::Replicated;
    SetGroups({{"English", "english"}, {"Maths & <Stats>", "maths"}}, 2);
  }
  ~SubjectSite() override { subjects::Groups() = subjects::SubjectGroups{}; }

  static void SetGroups(const std::vector<std::pair<std::string, std::string>>& groups, int topics) {
    subjects::SubjectGroups& g = subjects::Groups();
    g = subjects::SubjectGroups{};
    for (size_t k = 0; k < groups.size(); ++k) {
      g.SubjectGroupNames[k + 1] = groups[k].first;
      g.SubjectGroupFolders[k + 1] = groups[k].second;
    }
    g.SubjectGroupCount = static_cast<std::int16_t>(groups.size());
    g.SubjectGroupsReady = true;
    g.TopicsPerGroup = static_cast<std::int16_t>(topics);
  }

  // n groups "Subject k" in folders "subjk".
  static void SetNumberedGroups(int n, int topics) {
    std::vector<std::pair<std::string, std::string>> groups;
    for (int k = 1; k <= n; ++k) groups.push_back({"Subject " + std::to_string(k), "subj" + std::to_string(k)});
    SetGroups(groups, topics);
  }

  // The year's master folder, made and current, for the master run.
  std::filesystem::path EnterMaster() {
    ctx.MasterFlag = 0;
    ctx.MasterPath = "D:\\orvane\\2026\\masterstudent";
    std::filesystem::create_directories(Native(ctx.MasterPath));
    vb::ChDir(ctx.MasterPath);
    return Native(ctx.MasterPath);
  }

  // Jo Smith's folder, made and current, for a named run.
  std::filesystem::path EnterStudent() {
    ctx.MasterFlag = 1;
    ctx.CurrentPreferredName = "Jo";
    ctx.CurrentSurname = "Smith";
    ctx.LevelFolderName = "year7";
    ctx.CurrentClassFolder = "class1";
    ctx.CurrentStudentFolder = "studnt1";
    const std::string folder = "D:\\orvane\\2026\\year7\\class1\\studnt1";
    std::filesystem::create_directories(Native(folder));
    vb::ChDir(folder);
    return Native(folder);
  }

  // The run's subject folders in `folder`, as the home-page writer leaves them.
  static void MakeSubjectFolders(const std::filesystem::path& folder) {
    const subjects::SubjectGroups& g = subjects::Groups();
    for (int k = 1; k <= g.SubjectGroupCount; ++k) std::filesystem::create_directories(folder / g.SubjectGroupFolders[k]);
  }

  static std::filesystem::path Native(const std::string& path) { return vb::Resolve(path); }

  testing_support::TempDrives drives{"CD"};
  site::BuildContext ctx;
  builder::PlainBuildSettings settings;
  builder::NoProgressWindow progress;
  site::BuildRun run;
};

// The lines every subject page shares, as the pages print them.
inline std::string Head(const std::string& title) {
  return "<html>\n\n<head>\n"
         "<meta http-equiv=\"Content-Language\" content=\"en-us\">\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
         "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">\n"
         "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">\n" +
         title + "\n</head>\n\n<body>\n\n";
}

inline const std::string kSideCellsOpen = R"(    <tr>
      <td width="100%">
        <div align="center">
          <table border="0" width="100%">
            <tr>
              <td width="10%" bgcolor="#999966">&nbsp;</td>
              <td width="80%">
)";

inline const std::string kSideCellsClose = R"(              </td>
              <td width="10%" bgcolor="#999966">&nbsp;</td>
            </tr>
          </table>
        </div>
      </td>
    </tr>
)";

inline const std::string kTail = R"(    </center></table>

</div>

</body>

</html>
)";

// The top and bottom rows of a subject's index page, replicated buttons.
inline const std::string kIndexTopRow = R"(<div align="center">
  <table border="0" width="100%">
    <tr>
      <td width="100%">
        <p align="center"><font face="Times New Roman" size="2">
        <b> Sample School <br>
          </b></font><a href="../index.htm"><img border="0" src="../but-mypg.jpg"
        alt="Click here to return to My Home Page!" width="127" height="25"></a>
          <a href="../../index.htm"><img border="0" src="../but-stpg.jpg"
        alt="Click to see the pages of other students in my class..." width="127" height="25"></a>
          <a href="../../../index.htm"><img border="0" src="../but-clpg.jpg"
        alt="Click to return to the Classes list..." width="127" height="25"></a>
          <a href="../../../../index.htm"><img border="0" src="../but-yrpg.jpg"
        alt="Click to return to the Years pages..." width="127" height="25"></a>
          <a href="../../../../../index.htm"><img border="0" src="../but-home.jpg"
        alt="Click to return to our School's Home Page" width="127" height="25"></a>
      </td>
    </tr>
    <center>
)";

inline const std::string kIndexBottomRow = R"(    <tr>
      <td width="100%">
          <p align="center"><a href="../index.htm"><img border="0" src="../but-mypg.jpg"
        alt="Click here to return to My Home Page!" width="127" height="25"></a>
          <a href="../../index.htm"><img border="0" src="../but-stpg.jpg"
        alt="Click to see the pages of other students in my class..." width="127" height="25"></a>
          <a href="../../../index.htm"><img border="0" src="../but-clpg.jpg"
        alt="Click to return to the Classes list..." width="127" height="25"></a>
          <a href="../../../../index.htm"><img border="0" src="../but-yrpg.jpg"
        alt="Click to return to the Years pages..." width="127" height="25"></a>
          <a href="../../../../../index.htm"><img border="0" src="../but-home.jpg"
        alt="Click to return to our School's Home Page" width="127" height="25"></a><br>
        <font face="Times New Roman" size="2">
        <b> Sample School </b></font></p>
        <p>&nbsp;
      </td>
    </tr>
)";

}  // namespace subjects_test
