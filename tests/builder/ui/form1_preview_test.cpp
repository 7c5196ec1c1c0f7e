// Preview of the subject layout on the main window: the page is written with
// the groups of the moment, and a page that cannot be written is reported.
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

  testing_support::ScriptedMessages messages_;
  testing_support::TempDrives drives_{"CD"};
  fs::path program_ = drives_.root() / "program";
  testing_support::RecordingOpener opener_{drives_.root()};
  std::unique_ptr<Form1> form_;
};

// Every theme and font has its own test; here, that the subject page follows
// the groups as they are when Preview is pressed.
TEST_F(PreviewTest, SubjectPageIsRewrittenWithTheCurrentGroups) {
  form_->Option13->click();
  form_->GroupsForm().Command1->click();  // the window's ten design groups
  form_->Option4->click();   // Midnight
  form_->Option5->click();   // Verdana
  const fs::path page = program_ / "night" / "hsindexv.htm";

  EXPECT_EQ(Preview(), page.string());
  EXPECT_NE(ReadFile(page).find("<font size=\"2\" face=\"Verdana\">TAS</font>"), std::string::npos);

  form_->GroupsForm().Text10->setText("Astronomy");
  form_->GroupsForm().Command1->click();
  EXPECT_EQ(Preview(), page.string());
  EXPECT_NE(ReadFile(page).find("<font size=\"2\" face=\"Verdana\">Astronomy</font>"), std::string::npos);
  EXPECT_EQ(ReadFile(page).find(">TAS<"), std::string::npos);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PreviewTest, UnwritableSubjectPageIsReportedAndNothingOpens) {
  form_->Option13->click();
  form_->GroupsForm().Command1->click();
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
