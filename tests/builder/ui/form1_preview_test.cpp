// Preview on the main window: the K-6 page shipped in the theme's folder is
// opened as it is; the subject page is written there first, then opened.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "builder/ui/form1.h"
#include "platform/msgbox.h"
#include "subjects/core/subject_groups.h"
#include "subjects/ui/form3.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace builder {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    subjects::Groups() = subjects::SubjectGroups{};
    for (const char* theme : {"fire", "metal", "mop", "night"}) {
      WriteFile(program_ / theme / "owl.gif", "GIF89a");
    }
    form_ = std::make_unique<Form1>(program_.string() + "/", "");
    form_->show();
    form_->Text1->setText("Hillside High");
    form_->Check5->setEnabled(true);
    form_->Check5->click();
  }

  void TearDown() override { form_.reset(); }

  // Presses Preview and returns the file handed to the opener ("" when
  // nothing was opened).
  std::string Preview() {
    opener_.Forget();
    EXPECT_TRUE(form_->Command3->isEnabled());
    form_->Command3->click();
    return opener_.Opened();
  }

  bool DrivesEmpty() const {
    for (char letter : {'c', 'd'}) {
      if (!fs::is_empty(drives_.drive(letter))) return false;
    }
    return true;
  }

  testing_support::ScriptedMessages messages_;
  testing_support::TempDrives drives_{"CD"};
  fs::path program_ = drives_.root() / "program";
  testing_support::RecordingOpener opener_{drives_.root()};
  std::unique_ptr<Form1> form_;
};

TEST_F(PreviewTest, K6OpensTheThemesPageForTheFont) {
  form_->Option2->click();  // Copper
  form_->Option7->click();  // Times New Roman
  EXPECT_EQ(Preview(), (program_ / "metal" / "indext.htm").string());
  EXPECT_TRUE(form_->Context().ThemeColour1.empty());
  EXPECT_TRUE(form_->Context().FontFace.empty());
  EXPECT_EQ(form_->Context().PreviewMode, 0);

  form_->Option3->click();  // Mother of Pearl
  form_->Option5->click();  // Verdana
  EXPECT_EQ(Preview(), (program_ / "mop" / "indexv.htm").string());
  form_->Option1->click();  // Firestone
  form_->Option6->click();  // Arial
  EXPECT_EQ(Preview(), (program_ / "fire" / "indexa.htm").string());

  EXPECT_FALSE(fs::exists(program_ / "metal" / "hsindext.htm"));
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(DrivesEmpty());
}

TEST_F(PreviewTest, SubjectWritesThePageWithTheCurrentGroupsAndOpensIt) {
  form_->Option13->click();  // the groups window's ten design groups
  form_->Option4->click();   // Midnight
  form_->Option5->click();   // Verdana
  form_->Context().PageCount = 7;
  const fs::path page = program_ / "night" / "hsindexv.htm";

  EXPECT_EQ(Preview(), page.string());
  const std::string bytes = ReadFile(page);
  EXPECT_NE(bytes.find("<title>Student's Home Page</title>\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("<b>New Student</b>"), std::string::npos);
  EXPECT_NE(bytes.find("bgcolor=\"#808080\""), std::string::npos);
  EXPECT_NE(bytes.find("face=\"Verdana\""), std::string::npos);
  EXPECT_NE(bytes.find(subjects::Groups().SubjectGroupNames[10]), std::string::npos);
  EXPECT_EQ(form_->Context().ThemeColour1, "#808080");
  EXPECT_EQ(form_->Context().ThemeColour2, "#C0C0C0");
  EXPECT_EQ(form_->Context().FontFace, "Verdana");
  EXPECT_EQ(form_->Context().PreviewMode, 0);
  EXPECT_EQ(form_->Context().PageCount, 7);

  // Another group in between: the same page, rewritten with it.
  form_->GroupsForm().Text10->setText("Astronomy");
  form_->GroupsForm().Command1->click();
  EXPECT_EQ(Preview(), page.string());
  EXPECT_NE(ReadFile(page).find("Astronomy"), std::string::npos);

  // Only the page is made: no folders beside it, nothing on any drive.
  for (const auto& entry : fs::directory_iterator(program_ / "night")) {
    EXPECT_FALSE(entry.is_directory()) << entry.path();
  }
  EXPECT_TRUE(DrivesEmpty());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PreviewTest, UnwritableSubjectPageIsReportedAndNothingOpens) {
  form_->Option13->click();
  fs::remove_all(program_ / "fire");  // Firestone, Arial: fire\hsindexa.htm

  EXPECT_EQ(Preview(), "");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text,
            "The preview page could not be written: " + (program_ / "fire" / "hsindexa.htm").string());
  EXPECT_EQ(messages_.shown()[0].style, vb::vbCritical);
  EXPECT_EQ(messages_.shown()[0].title, "Sorry");
  EXPECT_EQ(form_->Context().PreviewMode, 0);
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(form_->Command3->isEnabled());

  // The next Preview works again once the folder is back.
  fs::create_directories(program_ / "fire");
  EXPECT_EQ(Preview(), (program_ / "fire" / "hsindexa.htm").string());
  EXPECT_EQ(messages_.shown().size(), 1u);
}

}  // namespace
}  // namespace builder
