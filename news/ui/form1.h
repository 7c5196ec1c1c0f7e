// The news tool's window "Orvane News Page Generator": the item on screen,
// the approval box, the navigation row and the buttons, over NewsEditor.
#pragma once

#include <QWidget>
#include <string>

#include "news/news_editor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vb {
class MultiLineTextBox;
}

namespace news {

class Form1 : public QWidget {
 public:
  // `tool_folder` ends with a separator.
  explicit Form1(std::string tool_folder, QWidget* parent = nullptr);

  // Start-up; ends the program (vb::End) where the tool cannot go on.
  void Form_Load();

  // The buttons, as clicking them runs them.
  void Command1_Click();  // &Quit
  void Command2_Click();  // the mode button
  void Command3_Click();  // Delete this Item
  void Command4_Click();  // First
  void Command5_Click();  // Last
  void Command6_Click();  // one item newer
  void Command7_Click();  // one item older

  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
  QLineEdit *Text1, *Text3;
  vb::MultiLineTextBox* Text2;
  QCheckBox* Check1;
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;

 private:
  void MakeControls();
  void ConnectEvents();
  // Shows the editor's mode and item in the controls.
  void ShowEditorState();
  ItemEdits Edits() const;
  // Saves the item on screen and shows another.
  void Move(void (NewsEditor::*step)(const ItemEdits&));

  NewsEditor editor_;
};

}  // namespace news
