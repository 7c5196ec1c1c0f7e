#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "platform/text.h"
#include "tests/support/temp_drives.h"

using namespace vb;

TEST(Text, Windows1252RoundTripsThroughUtf8) {
  const std::string all = [] {
    std::string s;
    for (int b = 1; b < 256; ++b) s += static_cast<char>(b);
    return s;
  }();
  EXPECT_EQ(Utf8To1252(Utf8From1252(all)), all);
  EXPECT_EQ(Utf8From1252("Zo\xEB"), "Zo\xC3\xAB");
  EXPECT_EQ(Utf8From1252("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Utf8To1252("\xE2\x82\xAC 5"), "\x80 5");
  // Not in windows-1252, and broken UTF-8.
  EXPECT_EQ(Utf8To1252("\xE4\xB8\xAD"), "?");
  EXPECT_EQ(Utf8To1252("a\xC3"), "a?");
  // Overlong forms and surrogates are no characters: a name on disk spelt
  // "\xC0\xAE\xC0\xAE" must not come back as "..".
  EXPECT_EQ(Utf8To1252("\xC0\xAE\xC0\xAE"), "????");
  EXPECT_EQ(Utf8To1252("\xE0\x80\xAF"), "???");
  EXPECT_EQ(Utf8To1252("\xED\xA0\x80"), "???");
}

TEST(Text, CaseFollowsWindows1252Letters) {
  EXPECT_EQ(LCase("\xD6sterreich ABC"), "\xF6sterreich abc");
  EXPECT_EQ(UCase("\xF6\xFF\x9A\xDF"), "\xD6\x9F\x8A\xDF");  // ß has no capital
  EXPECT_EQ(LCase("\xD7"), "\xD7");                           // the multiplication sign
  EXPECT_EQ(UCaseAscii("\xDF" "ab\xF6"), "\xDF" "AB\xF6");
}

TEST(Text, TrimAndSubstringsNeverFail) {
  EXPECT_EQ(Trim("  a b \t "), "a b \t");
  EXPECT_EQ(Mid("abc", 5), "");
  EXPECT_EQ(Mid("abcdef", 3, 2), "cd");
  EXPECT_EQ(Left("ab", 19), "ab");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(InStr(1, "a,b,c", ","), 2);
  EXPECT_EQ(InStr(3, "a,b,c", ","), 4);
  EXPECT_EQ(InStr(1, "abc", "x"), 0);
}

TEST(Text, ValReadsTheLeadingNumber) {
  EXPECT_EQ(Val("99"), 99);
  EXPECT_EQ(Val(" 1\t2\n3"), 123);
  EXPECT_EQ(Val("1\r2"), 1);  // a carriage return ends the number
  EXPECT_EQ(Val("7.5x"), 7.5);
  EXPECT_EQ(Val("-3"), -3);
  EXPECT_EQ(Val("&H1F"), 31);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_GT(Val("&HFFFFFFFFFFFFFFFFFFFF"), 1e23);  // too long for any integer
  EXPECT_EQ(Val("1E2"), 100);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
}

// The program runs in the user's locale; a point is still the decimal point
// where the locale's is a comma. The locale is made for the test.
TEST(Text, ValReadsAPointInACommaLocale) {
  testing_support::TempDrives scratch("");
  const std::filesystem::path folder = scratch.root();
  testing_support::WriteFile(folder / "comma.map",
                             "<code_set_name> COMMA\n<escape_char> /\nCHARMAP\n<U002C> /x2c\nEND CHARMAP\n");
  testing_support::WriteFile(folder / "comma.def",
                             "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n");
  // A path, not a bare name, so that nothing goes into the system's locales.
  const std::string make =
      "cd '" + folder.string() + "' && localedef -c -f comma.map -i comma.def ./comma >/dev/null 2>&1";
  (void)std::system(make.c_str());
  ::setenv("LOCPATH", folder.c_str(), 1);
  const bool made = std::setlocale(LC_NUMERIC, "comma") != nullptr;
  ::unsetenv("LOCPATH");
  if (!made) GTEST_SKIP() << "localedef could not make the locale";
  const double day = Val("3.5"), year = Val("2050.5");
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(day, 3.5);
  EXPECT_EQ(year, 2050.5);
}

TEST(Text, NumbersAsText) {
  EXPECT_EQ(Str(53), " 53");
  EXPECT_EQ(Str(-4), "-4");
  EXPECT_EQ(NumberText(114.0), "114");
  EXPECT_EQ(NumberText(0.5), "0.5");
}
