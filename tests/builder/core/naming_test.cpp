#include <gtest/gtest.h>

#include "builder/core/naming.h"
#include "builder/core/tables.h"

using namespace builder;

TEST(Naming, SafeFolderNameDropsSeparatorsAndLowerCases) {
  EXPECT_EQ(SafeFolderName("Kg Blue/Red"), "kgbluered");
  EXPECT_EQ(SafeFolderName("O'Brien"), "o'brien");
  EXPECT_EQ(SafeFolderName(" /\\. "), "");
  EXPECT_EQ(SafeFolderName("Zo\xCB-Ann"), "zo\xEB-ann");
  // Characters Windows refuses in names, and control characters.
  EXPECT_EQ(SafeFolderName("3:A*?\"<>|\t1"), "3a1");
}

TEST(Naming, ClassAndStudentFolders) {
  EXPECT_EQ(ClassFolderName(site::FolderNaming::Generic, 3, "3 Blue"), "class3");
  EXPECT_EQ(ClassFolderName(site::FolderNaming::FromNames, 3, "3 Blue"), "3blue");
  EXPECT_EQ(StudentFolderName(site::FolderNaming::Generic, 12, "Smith", "Jo"), "studnt12");
  EXPECT_EQ(StudentFolderName(site::FolderNaming::FromNames, 12, "Mc Kay", "Jo Ann"), "mckay_joann");
}

TEST(Tables, YearCodesChooseLevels) {
  EXPECT_EQ(YearLevelOfCode("p"), 0);
  EXPECT_EQ(YearLevelOfCode("J"), 1);
  EXPECT_EQ(YearLevelOfCode("k"), 1);
  EXPECT_EQ(YearLevelOfCode("1"), 2);
  EXPECT_EQ(YearLevelOfCode("12"), 13);
  EXPECT_EQ(YearLevelOfCode("01"), -1);
  EXPECT_EQ(YearLevelOfCode("13"), -1);
  EXPECT_EQ(YearLevelOfCode(""), -1);
}
