// The topics window (Form1) of both variants: the source picker, the copy,
// destination and sub-folder choices, and the buttons; a thin layer over the
// copy run.
#pragma once

#include <QWidget>
#include <string>

#include "topics/site.h"
#include "topics/variant.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vb {
class DriveListBox;
class FileListBox;
class FolderListBox;
}  // namespace vb

namespace topics {

class TopicsCombo;

class TopicsWindow : public QWidget {
 public:
  // `site` is what start-up read.
  TopicsWindow(Variant variant, TopicsSite site, QWidget* parent = nullptr);

  const std::string& SelectedFilePath() const { return selected_file_path_; }

 private:
  void BuildFrame3();
  void BuildFrame2();
  void BuildFrame1();
  void BuildFrame4();
  void Connect();
  void OnSelected(QRadioButton* option, void (TopicsWindow::*handler)());

  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void Option9_Click();
  void Option8_Click();
  void Option3_Click();
  void Option4_Click();
  void Option1_Click();
  void Option2_Click();
  void Option10_Click();
  void Combo4_Change();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

  void DisableTopicReplace();
  void EnableTopicReplace();
  void ResetToProgramDrive();
  void SetSubfolderOptionsEnabled(bool enabled);

  Variant variant_;
  TopicsSite site_;
  std::string program_drive_;
  std::string selected_file_path_;

  QGroupBox* Frame3;
  vb::DriveListBox* Drive1;
  vb::FolderListBox* Dir1;
  vb::FileListBox* File1;
  QRadioButton* Option9;
  QRadioButton* Option8;
  QGroupBox* Frame2;
  QRadioButton* Option3;
  TopicsCombo* Combo3;
  QRadioButton* Option4;
  QGroupBox* Frame1;
  QRadioButton* Option1;
  TopicsCombo* Combo1;
  QRadioButton* Option2;
  TopicsCombo* Combo2;
  QRadioButton* Option10;
  TopicsCombo* Combo4;
  QPushButton* Command4;
  QGroupBox* Frame4;
  QRadioButton* Option5 = nullptr;
  QRadioButton* Option6 = nullptr;
  QRadioButton* Option7 = nullptr;
  QRadioButton* Option11 = nullptr;
  QRadioButton* Option12 = nullptr;
  TopicsCombo* Combo5 = nullptr;
  QPushButton* Command1;
  QPushButton* Command2;
  QPushButton* Command3;
  QLabel* Label9;
};

}  // namespace topics
