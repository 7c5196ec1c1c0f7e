// The subject-groups window "Orvane High School Layout Options": twelve group
// names with their folder names, the topic count, and the Refresh button.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;

namespace subjects {

class Form3 : public QWidget {
 public:
  // `enable_install2` applies the main window's enabling rule to its controls.
  explicit Form3(std::function<void()> enable_install2);

  // Reads the boxes into the subject groups, checks them and shows the result;
  // ends by repainting the window and applying the main window's rule.
  void RefreshSubjectGroups();

  QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10,
      *Text11, *Text12, *Text13;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11, *Label12, *Label13, *Label14, *Label15, *Label17;
  QPushButton* Command1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QGridLayout* MakeGroupRows();
  void Command1_Click();
  void Form_Deactivate();
  void EnableInstall2();
  void FocusWindowChanged(QWindow* now);
  void ShowDesignValues();

  std::function<void()> enable_install2_;
  std::array<QLineEdit*, 13> name_boxes_{};    // Text1..Text12 at 1..12
  std::array<QLabel*, 13> folder_labels_{};    // Label1..Label12 at 1..12
  bool active_ = false;       // the builder's active window is this one
  bool refreshing_ = false;
};

}  // namespace subjects
