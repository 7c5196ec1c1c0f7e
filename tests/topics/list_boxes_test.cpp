#include <gtest/gtest.h>

#include "tests/support/error_of.h"

#include <QTest>

#include "platform/qt/drive_list_box.h"
#include "platform/qt/file_list_box.h"
#include "platform/qt/folder_list_box.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/vb_error.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::TempDrives;
using testing_support::WriteFile;

namespace {

std::vector<std::string> Texts(const QListWidget& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.count(); ++i) texts.push_back(vb::FromQt(list.item(i)->text()));
  return texts;
}

using testing_support::ErrorOf;

}  // namespace

TEST(DriveListBox, ListsMappedLettersAndTheRootWhenAsked) {
  TempDrives drives("DF");
  vb::DriveListBox plain(false);
  ASSERT_EQ(plain.count(), 2);
  EXPECT_EQ(vb::FromQt(plain.itemText(1)), "f:");
  vb::DriveListBox with_root(true);
  EXPECT_EQ(vb::FromQt(with_root.itemText(2)), "/");
  int changes = 0;
  with_root.OnChange([&] { ++changes; });
  with_root.SetDrive("F:\\anything");
  EXPECT_EQ(with_root.Drive(), "f:");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(ErrorOf([&] { with_root.SetDrive("e:"); }), 68);
}

TEST(FolderListBox, ShowsAncestorsAndSubfoldersAndOpensOnEnter) {
  TempDrives drives("D");
  fs::create_directories(drives.drive('d') / "lessons/maths");
  fs::create_directories(drives.drive('d') / "lessons/Art");
  WriteFile(drives.drive('d') / "lessons/sheet.txt", "");
  vb::FolderListBox dirs;
  int changes = 0;
  dirs.OnChange([&] { ++changes; });
  dirs.SetPath(vb::NativeToText(drives.drive('d') / "lessons"));
  EXPECT_EQ(dirs.Path(), "D:\\lessons");
  EXPECT_EQ(Texts(dirs), (std::vector<std::string>{"D:\\", "  lessons", "    Art", "    maths"}));
  dirs.setCurrentRow(3);
  QTest::keyClick(&dirs, Qt::Key_Return);
  EXPECT_EQ(dirs.Path(), "D:\\lessons\\maths");
  dirs.SetPath("d:");
  EXPECT_EQ(dirs.Path(), "D:\\");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(ErrorOf([&] { dirs.SetPath("D:\\nowhere"); }), 76);
  EXPECT_EQ(dirs.Path(), "D:\\");
  EXPECT_EQ(vb::FolderPathText("/"), "/");
}

TEST(FolderListBox, AFolderGoneWithItsParentLeavesTheListAsItWas) {
  TempDrives drives("D");
  fs::create_directories(drives.drive('d') / "lessons/maths");
  vb::FolderListBox dirs;
  dirs.SetPath("D:\\lessons");
  fs::remove_all(drives.drive('d') / "lessons");
  dirs.setCurrentRow(2);
  QTest::keyClick(&dirs, Qt::Key_Return);
  EXPECT_EQ(dirs.Path(), "D:\\lessons");
  EXPECT_EQ(dirs.count(), 3);
}

TEST(FileListBox, ListsFilesOnlyAndReportsWhatItCannotRead) {
  TempDrives drives("D");
  fs::create_directories(drives.drive('d') / "lessons/maths");
  WriteFile(drives.drive('d') / "lessons/b.txt", "");
  WriteFile(drives.drive('d') / "lessons/A.htm", "");
  vb::FileListBox files;
  int clicks = 0;
  files.OnClick([&] { ++clicks; });
  files.SetPath("D:\\lessons");
  EXPECT_EQ(Texts(files), (std::vector<std::string>{"A.htm", "b.txt"}));
  EXPECT_EQ(files.FileName(), "");
  files.show();
  files.setCurrentRow(0, QItemSelectionModel::NoUpdate);  // what taking the focus does
  EXPECT_EQ(files.FileName(), "");
  EXPECT_EQ(clicks, 0);
  const QPoint second = files.visualItemRect(files.item(1)).center();
  QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(files.FileName(), "b.txt");
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(clicks, 2);  // a click on the highlighted file counts again
  QTest::keyClick(&files, Qt::Key_Up);
  EXPECT_EQ(files.FileName(), "A.htm");
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(ErrorOf([&] { files.SetPath("D:\\gone"); }), 76);
  EXPECT_EQ(files.Path(), "D:\\lessons");
}
