// Preview for every theme and font in both layouts: the page opened is the
// one the theme and font name, the subject page is written in their look, and
// nothing else changes (no drive touched, no page counted, no folder made).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <string>

#include "builder/ui/form1.h"
#include "subjects/core/subject_groups.h"
#include "subjects/ui/form3.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace builder {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;

struct PreviewRow {
  int theme;  // 0..3: Option1..Option4
  int font;   // 0..2: Option5..Option7
  const char* k6_page;
  const char* subject_page;
  const char* colour1;
  const char* colour2;
  const char* face;
};

constexpr PreviewRow kRows[] = {
    {0, 0, "fire/indexv.htm", "fire/hsindexv.htm", "#999966", "#C0C0C0", "Verdana"},
    {0, 1, "fire/indexa.htm", "fire/hsindexa.htm", "#999966", "#C0C0C0", "Arial"},
    {0, 2, "fire/indext.htm", "fire/hsindext.htm", "#999966", "#C0C0C0", "Times New Roman"},
    {1, 0, "metal/indexv.htm", "metal/hsindexv.htm", "#FFCC66", "#FFFFCC", "Verdana"},
    {1, 1, "metal/indexa.htm", "metal/hsindexa.htm", "#FFCC66", "#FFFFCC", "Arial"},
    {1, 2, "metal/indext.htm", "metal/hsindext.htm", "#FFCC66", "#FFFFCC", "Times New Roman"},
    {2, 0, "mop/indexv.htm", "mop/hsindexv.htm", "#008080", "#99CCFF", "Verdana"},
    {2, 1, "mop/indexa.htm", "mop/hsindexa.htm", "#008080", "#99CCFF", "Arial"},
    {2, 2, "mop/indext.htm", "mop/hsindext.htm", "#008080", "#99CCFF", "Times New Roman"},
    {3, 0, "night/indexv.htm", "night/hsindexv.htm", "#808080", "#C0C0C0", "Verdana"},
    {3, 1, "night/indexa.htm", "night/hsindexa.htm", "#808080", "#C0C0C0", "Arial"},
    {3, 2, "night/indext.htm", "night/hsindext.htm", "#808080", "#C0C0C0", "Times New Roman"},
};

class PreviewPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    subjects::Groups() = subjects::SubjectGroups{};
    for (const char* theme : {"fire", "metal", "mop", "night"}) {
      fs::create_directories(program_ / theme);
    }
    form_ = std::make_unique<Form1>(program_.string() + "/", "");
    form_->show();
    form_->Text1->setText("Hillside High");
    form_->Check9->setEnabled(true);
    form_->Check9->click();
    form_->Context().PageCount = 3;
  }

  void TearDown() override { form_.reset(); }

  // Chooses the row's theme and font, presses Preview and returns the file
  // handed to the opener ("" when nothing was opened).
  std::string Preview(const PreviewRow& row) {
    QRadioButton* themes[] = {form_->Option1, form_->Option2, form_->Option3, form_->Option4};
    QRadioButton* fonts[] = {form_->Option5, form_->Option6, form_->Option7};
    themes[row.theme]->click();
    fonts[row.font]->click();
    opener_.Forget();
    EXPECT_TRUE(form_->Command3->isEnabled());
    form_->Command3->click();
    return opener_.Opened();
  }

  // The drives hold nothing and the theme folders no folder.
  void ExpectNothingElseMade() {
    for (char letter : {'c', 'd'}) EXPECT_TRUE(fs::is_empty(drives_.drive(letter)));
    for (const auto& entry : fs::recursive_directory_iterator(program_)) {
      EXPECT_TRUE(entry.is_regular_file() || entry.path().parent_path() == program_)
          << entry.path();
    }
  }

  testing_support::ScriptedMessages messages_;
  testing_support::TempDrives drives_{"CD"};
  fs::path program_ = drives_.root() / "program";
  testing_support::RecordingOpener opener_{drives_.root()};
  std::unique_ptr<Form1> form_;
};

TEST_F(PreviewPagesTest, K6OpensTheShippedPageOfEachThemeAndFont) {
  for (const PreviewRow& row : kRows) {
    SCOPED_TRACE(row.k6_page);
    EXPECT_EQ(Preview(row), (program_ / row.k6_page).string());
    EXPECT_FALSE(fs::exists(program_ / row.subject_page));
    EXPECT_TRUE(form_->Context().ThemeColour1.empty());
    EXPECT_TRUE(form_->Context().ThemeColour2.empty());
    EXPECT_TRUE(form_->Context().FontFace.empty());
    EXPECT_EQ(form_->Context().PreviewMode, 0);
    EXPECT_EQ(form_->Context().PageCount, 3);
  }
  ExpectNothingElseMade();
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PreviewPagesTest, SubjectWritesAndOpensThePageOfEachThemeAndFont) {
  form_->Option13->click();
  form_->GroupsForm().Command1->click();  // the window's design groups, confirmed
  for (const PreviewRow& row : kRows) {
    SCOPED_TRACE(row.subject_page);
    EXPECT_EQ(Preview(row), (program_ / row.subject_page).string());
    const std::string bytes = ReadFile(program_ / row.subject_page);
    EXPECT_NE(bytes.find(std::string("bgcolor=\"") + row.colour1 + "\""), std::string::npos);
    EXPECT_NE(bytes.find(std::string("face=\"") + row.face + "\""), std::string::npos);
    EXPECT_NE(bytes.find("<b>New Student</b>"), std::string::npos);
    EXPECT_EQ(form_->Context().ThemeColour1, row.colour1);
    EXPECT_EQ(form_->Context().ThemeColour2, row.colour2);
    EXPECT_EQ(form_->Context().FontFace, row.face);
    EXPECT_EQ(form_->Context().PreviewMode, 0);
    EXPECT_EQ(form_->Context().PageCount, 3);
    EXPECT_FALSE(fs::exists(program_ / row.k6_page));
  }
  ExpectNothingElseMade();
  EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace builder
