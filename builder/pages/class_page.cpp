// The class page, written while the class's students are recorded in the
// student list and their folders are made.
#include "builder/core/naming.h"
#include "builder/pages/level_writers.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "site/site_page_frame.h"

namespace builder {

namespace {

// The sort of the student list takes lines of up to 32 KB. A name longer than
// this (only a faulty export has one) is cut in its record, so that the list
// of every other student is still sorted.
constexpr long kMaxRecordNameBytes = 30000;

void PrintRecord(site::BuildRun& run, const std::string& record) {
  if (run.student_list == nullptr) vb::Raise(52, "the student list is not open");
  run.student_list->Print(record);
}

void TeacherBox(site::PageFrameWriter& page, const std::string& clik_image) {
  const std::string font = page.look().font_face;
  page.Line(16, "<p align=\"center\"><font face=\"" + font +
                    "\">Teacher: <b>Teacher's Name</b></font><br>");
  page.Line(16, "<div align=\"center\">");
  page.Line(18, "<table border=\"0\" width=\"30%\">");
  page.Line(20, "<tr>");
  page.Line(
      22, "<td width=\"22%\"><a href=\"teacher.htm\"><img border=\"0\" src=\"" + clik_image + "\"");
  page.Line(22,
            "width=\"60\" height=\"60\" alt=\"Click to view the Teacher's News page\"></a></td>");
  page.Line(22, "<td width=\"78%\">");
  page.Line(22, "<p align=\"center\"><font face=\"" + font + "\"><b>Teacher's News</b></font></p>");
  page.Line(22, "</td>");
  page.Line(20, "</tr>");
  page.Line(18, "</table>");
  page.Line(16, "</div>");
  page.Line(16,
            "<p align=\"center\"><font face=\"" + font + "\" size=\"2\">Click on a Student's name");
  page.Line(16, "to view their homepage<br>");
  page.Line(16,
            "<b>WARNING:</b> Do <b><u>NOT</u></b> edit ANY webpages other than your own!</font>");
}

}  // namespace

void WriteClassPage(site::BuildRun& run, YearLevel& level, int class_index) {
  const LevelClass& entry = level.classes[class_index];
  const std::string level_name = run.ctx.LevelFolderName;
  const std::string class_folder = run.ctx.TargetDrive + "\\orvane\\" + run.settings.SiteYear() +
                                   "\\" + level_name + "\\" + entry.ClassFolderName;
  const site::FolderNaming naming = run.settings.FolderNaming();

  PrintRecord(run, "zzStudent Master,masterstudent," + entry.ClassFolderName + "," + level_name);
  site::PassOver75([&] { vb::MkDir(class_folder + "\\masterstudent"); });

  site::FrameSlots slots;
  slots.title = "Class " + entry.ClassName;
  slots.depth = 3;
  slots.buttons = {site::Button::Classes, site::Button::Years, site::Button::Home};
  slots.heading = slots.title;
  slots.centre_line = true;
  slots.spaced_bottom = true;

  site::SitePageFrame(run, "index.htm", slots, [&](site::PageFrameWriter& page) {
    const std::string font = page.look().font_face;
    TeacherBox(page, site::ImageSource(run.settings.ImagePlacement(), 3, "but-clik.jpg"));
    page.Line(16, "<div align=\"center\">");
    page.Line(18, "<table border=\"0\" width=\"90%\">");
    page.Line(0, "");
    page.Line(20, "<tr>");

    int cells_in_row = 0;
    int student_number = 0;
    FolderNameSet folders;
    level.row_student_folders.assign(level.rows.size(), std::string());
    for (size_t r = 0; r < level.rows.size(); ++r) {
      const LevelRow& row = level.rows[r];
      if (row.RollClass != entry.ClassName) continue;
      ++cells_in_row;
      ++student_number;
      const std::string folder =
          folders.Take(StudentFolderName(naming, student_number, row.Surname, row.PreferredName));
      level.row_student_folders[r] = folder;
      if (cells_in_row == 6) {
        cells_in_row = 1;
        page.Line(20, "</tr>");
        page.Line(20, "<tr>");
      }
      page.Line(22, "<td width=\"20%\" bgcolor=\"" + run.ctx.ThemeColour2 +
                        "\" align=\"center\"><font face=\"" + font + "\" size=\"2\">");
      page.Line(22, "<b><a href=\"" + folder + "/index.htm\">");
      page.Line(22, row.PreferredName + " " + row.Surname + "</a></b></font></td>");
      PrintRecord(run, vb::Left(row.Surname + " " + row.PreferredName, kMaxRecordNameBytes) + "," +
                           folder + "," + entry.ClassFolderName + "," + level_name);
      site::PassOver75([&] { vb::MkDir(class_folder + "\\" + folder); });
    }

    page.Line(0, "");
    page.Line(20, "</tr>");
    page.Line(18, "</table>");
    page.Line(16, "</div>");
  });
}

}  // namespace builder
