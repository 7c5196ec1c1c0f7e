// The builder's fixed tables: colour themes, fonts and the fourteen year levels.
#pragma once

#include <array>
#include <string_view>

namespace builder {

struct ThemeRow {
  std::string_view caption;
  std::string_view folder;   // "\fire", beside the program
  std::string_view colour1;
  std::string_view colour2;
};

struct FontRow {
  std::string_view face;
  char preview_letter;
};

struct YearLevelRow {
  std::string_view caption;      // the year box
  std::string_view list_file;    // "presch.txt"
  std::string_view folder;       // LevelFolderName
  std::string_view heading;      // LevelHeading
  std::string_view link_text;    // on the Year Pages page
};

inline constexpr std::array<ThemeRow, 4> ThemeTable{{
    {"Firestone", "\\fire", "#999966", "#C0C0C0"},
    {"Copper", "\\metal", "#FFCC66", "#FFFFCC"},
    {"Mother of Pearl", "\\mop", "#008080", "#99CCFF"},
    {"Midnight", "\\night", "#808080", "#C0C0C0"},
}};

inline constexpr std::array<FontRow, 3> FontTable{{
    {"Verdana", 'v'},
    {"Arial", 'a'},
    {"Times New Roman", 't'},
}};

inline constexpr std::array<YearLevelRow, 14> YearLevelTable{{
    {"Pre-school", "presch.txt", "presch", "Pre-School", "Preschool"},
    {"Kinder/Junior", "kinder.txt", "kinder", "Kinder", "Kinder"},
    {"Year 1", "year1.txt", "year1", "Year One", "Year 1"},
    {"Year 2", "year2.txt", "year2", "Year Two", "Year 2"},
    {"Year 3", "year3.txt", "year3", "Year Three", "Year 3"},
    {"Year 4", "year4.txt", "year4", "Year Four", "Year 4"},
    {"Year 5", "year5.txt", "year5", "Year Five", "Year 5"},
    {"Year 6", "year6.txt", "year6", "Year Six", "Year 6"},
    {"Year 7", "year7.txt", "year7", "Year Seven", "Year 7"},
    {"Year 8", "year8.txt", "year8", "Year Eight", "Year 8"},
    {"Year 9", "year9.txt", "year9", "Year Nine", "Year 9"},
    {"Year 10", "year10.txt", "year10", "Year Ten", "Year 10"},
    {"Year 11", "year11.txt", "year11", "Year Eleven", "Year 11"},
    {"Year 12", "year12.txt", "year12", "Year Twelve", "Year 12"},
}};

// The row of YearLevelTable that a year code selects ("P"; "K" or "J"; "1" to
// "12", compared after upper-casing as whole texts), or -1.
int YearLevelOfCode(std::string_view year_code);

}  // namespace builder
