// The working state of the builder that the build hands to its page writers
// instead of parameters. One instance lives as long as the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace site {

struct BuildContext {
  double PageCount = 0;
  std::string TargetDrive;      // "D:"
  std::string ThemeFolder;      // "\fire"
  std::string ThemeColour1;     // "#999966"
  std::string ThemeColour2;
  std::string FontFace;
  std::string ProgramFolder;    // ends in a separator
  std::string ImageSubfolder;   // "ovimages\"
  std::string LevelFolderName;
  std::string LevelHeading;
  std::string CurrentSurname;
  std::string CurrentPreferredName;
  std::string CurrentClassFolder;
  std::string CurrentStudentFolder;
  std::int16_t MasterFlag = 0;
  std::string MasterPath;
  std::string ReplaceFolder;    // ends in "\"
  std::string ReplaceFileName;
  std::string ReplaceMarker;
  std::string ReplaceText;
  std::int16_t ReplaceMarkerLength = 0;
  std::string OpenOperation;
  std::string OpenFile;
  std::optional<std::string> OpenParameters;
  std::optional<std::string> OpenDirectory;
  std::string SortCommand;
  std::string SortResult;
  std::string MessageText;
  std::int32_t CloseTimer = 0;
  std::string CurrentYear;
  std::string LastYear;
  std::int16_t PreviewMode = 0;
};

}  // namespace site
