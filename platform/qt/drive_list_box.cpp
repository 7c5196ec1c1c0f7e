#include "platform/qt/drive_list_box.h"

#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace vb {

DriveListBox::DriveListBox(bool with_native_root, QWidget* parent) : QComboBox(parent) {
  for (char letter = 'c'; letter <= 'z'; ++letter) {
    if (DriveFolder(letter)) addItem(QString(QChar(letter)) + ":");
  }
  if (with_native_root) addItem("/");
  connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
    if (on_change_) on_change_();
  });
}

std::string DriveListBox::Drive() const { return FromQt(currentText()); }

void DriveListBox::SetDrive(std::string_view drive) {
  if (drive.empty()) Raise(68, "device unavailable");
  const std::string wanted = drive[0] == '/' ? std::string("/") : std::string(1, LCaseChar(drive[0])) + ":";
  const int index = findText(ToQt(wanted));
  if (index < 0) Raise(68, wanted + " device unavailable");
  setCurrentIndex(index);
}

}  // namespace vb
