#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "builder/ui/form1.h"
#include "builder/ui/form2.h"
#include "builder/core/one_builder.h"
#include "platform/paths.h"
#include "subjects/core/subject_groups.h"
#include "subjects/ui/form3.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace builder {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

// A private drives root whose drive p holds the program folder.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { subjects::Groups() = subjects::SubjectGroups{}; }

  std::string ProgramFolderText() const { return vb::NativeToText(program_) + "/"; }

  testing_support::ScriptedMessages messages_;
  testing_support::TempDrives drives_{"CP"};
  fs::path program_ = drives_.drive('p');
};

TEST_F(ProgramFolderTest, SecondBuilderOnTheFolderIsRefusedAndTouchesNothing) {
  WriteFile(program_ / "year3.txt", "Smith,Jo,3A\r\n");
  std::optional<vb::FolderClaim> first = ClaimProgramFolder(ProgramFolderText());
  ASSERT_TRUE(first.has_value());
  EXPECT_TRUE(messages_.shown().empty());

  EXPECT_FALSE(ClaimProgramFolder(ProgramFolderText()).has_value());
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text,
            "Orvane is already running from this folder.  Close it before starting it again.");
  EXPECT_EQ(messages_.shown()[0].title, "Sorry");
  EXPECT_EQ(messages_.shown()[0].style, vb::vbCritical);
  EXPECT_EQ(std::distance(fs::directory_iterator(program_), fs::directory_iterator()), 1);
  EXPECT_EQ(ReadFile(program_ / "year3.txt"), "Smith,Jo,3A\r\n");

  first.reset();
  EXPECT_TRUE(ClaimProgramFolder(ProgramFolderText()).has_value()) << "the first has ended";
}

TEST_F(ProgramFolderTest, LoadImportsTheExportAndEnablesItsYears) {
  WriteFile(drives_.drive('c') / "orvanesetup" / "StudentsRecord.csv",
            "LastName,FirstName,Middle,Gender,Year,Roll Class,House\r\n"
            "O'Brien,Sean,Patrick,M,YR3,RC3A,Blue\r\n"
            "Nguyen,Linh,,F,yr10,RC10B,Red\r\n");
  Form1 form(ProgramFolderText(), "");
  form.Form_Load();

  EXPECT_TRUE(form.Check5->isEnabled());
  EXPECT_TRUE(form.Check12->isEnabled());
  for (QCheckBox* box : {form.Check1, form.Check2, form.Check3, form.Check4, form.Check6,
                         form.Check11, form.Check13, form.Check14}) {
    EXPECT_FALSE(box->isEnabled()) << box->text().toStdString();
  }
  EXPECT_FALSE(form.Check5->isChecked());
  EXPECT_FALSE(form.Command1->isEnabled());
  EXPECT_FALSE(form.ProgressForm().isVisible());
  EXPECT_EQ(ReadFile(program_ / "year3.txt"), "O'Brien,Sean,3A\r\n");
  EXPECT_EQ(ReadFile(program_ / "year10.txt"), "Nguyen,Linh,10B\r\n");
  EXPECT_TRUE(messages_.shown().empty());

  form.Text1->setText("Hillside");
  form.Check12->click();
  EXPECT_TRUE(form.Command1->isEnabled());
}

TEST_F(ProgramFolderTest, ExitDeletesTheImportsFilesAndNoOtherTextFile) {
  WriteFile(program_ / "year3.txt", "x\r\n");
  WriteFile(program_ / "errorlog.txt", "");
  WriteFile(program_ / "NOTES.TXT", "mine");
  WriteFile(program_ / "keep.csv", "kept");
  WriteFile(program_ / "fire" / "inside.txt", "kept");
  Form1 form(ProgramFolderText(), "");
  form.show();
  form.Option13->click();
  ASSERT_TRUE(form.GroupsForm().isVisible());

  form.Command2->click();
  EXPECT_FALSE(fs::exists(program_ / "year3.txt"));
  EXPECT_FALSE(fs::exists(program_ / "errorlog.txt"));
  EXPECT_EQ(ReadFile(program_ / "NOTES.TXT"), "mine");
  EXPECT_TRUE(fs::exists(program_ / "keep.csv"));
  EXPECT_TRUE(fs::exists(program_ / "fire" / "inside.txt"));
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.GroupsForm().isVisible());
  EXPECT_FALSE(form.ProgressForm().isVisible());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(ProgramFolderTest, ClosingTheWindowLeavesAsExitDoes) {
  WriteFile(program_ / "kinder.txt", "x\r\n");
  Form1 form(ProgramFolderText(), "");
  form.show();
  form.close();
  EXPECT_FALSE(fs::exists(program_ / "kinder.txt"));
  EXPECT_FALSE(form.isVisible());

  Form1 again(ProgramFolderText(), "");
  again.show();
  again.Command2->click();  // nothing left to delete
  EXPECT_FALSE(again.isVisible());
  EXPECT_TRUE(messages_.shown().empty());
}

// A close that reaches the window while a box shows over it leaves the
// window open, its year lists kept.
TEST_F(ProgramFolderTest, ClosingTheWindowUnderABoxKeepsIt) {
  WriteFile(program_ / "kinder.txt", "x\r\n");
  Form1 form(ProgramFolderText(), "");
  form.show();
  const vb::MessageBoxHandler answer = vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
    form.close();
    return answer(box);
  });
  vb::MsgBox("A box over the window");
  vb::SetMessageBoxHandler(answer);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(fs::exists(program_ / "kinder.txt"));
}

}  // namespace
}  // namespace builder
