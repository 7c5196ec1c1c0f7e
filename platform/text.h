// Text as the programs keep it: std::string holding windows-1252 bytes, one
// byte one character, positions 1-based; plus the conversions to UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

// windows-1252 <-> UTF-8. A character that windows-1252 cannot hold (or bad
// UTF-8) becomes `fallback`.
std::string Utf8From1252(std::string_view text);
std::string Utf8To1252(std::string_view utf8, char fallback = '?');
// Well-formed UTF-8: no stray or cut-off sequence, no overlong form, no
// surrogate, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);
char32_t CodePointFrom1252(unsigned char byte);
// The windows-1252 byte of a code point, or -1 when it has none.
int ByteFromCodePoint(char32_t code_point);

// Case of windows-1252 letters, length-preserving ("Ö" <-> "ö"; "ß" stays).
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
char UCaseChar(char c);
char LCaseChar(char c);
// Only a..z become A..Z.
std::string UCaseAscii(std::string_view text);

// Blanks (character 32) only; tabs stay.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// Never fail: past the end they give what there is, or "".
std::string Left(std::string_view text, long length);
std::string Right(std::string_view text, long length);
std::string Mid(std::string_view text, long start, long length = -1);
// 1-based position of `needle` in `haystack` from `start`, compared byte-wise; 0 when absent.
long InStr(long start, std::string_view haystack, std::string_view needle);

// The leading number of a text: blanks, tabs and line feeds are passed over
// anywhere, "." is the decimal point, "&H" and "&O" prefixes, "E"/"D" exponents.
double Val(std::string_view text);
// A number as decimal text with a leading blank when it is not negative (" 53").
std::string Str(long long number);
// A number as plain decimal text with no blanks: whole numbers without a
// fraction ("114"), others with up to 15 significant digits.
std::string NumberText(double number);

}  // namespace vb
