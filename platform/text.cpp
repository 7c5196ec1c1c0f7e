#include "platform/text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vb {

namespace {

// Code points of 0x80..0x9F; the five unused bytes keep their C1 control.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsBlank(char c) { return c == ' '; }

// The character whose UTF-8 sequence starts at `i`: its code point and the
// length of the sequence, or 0 when the bytes there are none (a stray byte,
// a sequence cut off, an overlong form, a surrogate). A lead byte of F5 to
// F7 decodes past U+10FFFF, which no character is.
size_t DecodeUtf8(std::string_view utf8, size_t i, char32_t& cp) {
  const unsigned char lead = static_cast<unsigned char>(utf8[i]);
  size_t extra = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + extra >= utf8.size()) return 0;
  for (size_t k = 1; k <= extra; ++k) {
    const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3Fu);
  }
  // An overlong form (".." spelt in two bytes each) or a surrogate is no
  // character: it must not turn into one on the way.
  constexpr char32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return extra + 1;
}

}  // namespace

char32_t CodePointFrom1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighTable[byte - 0x80];
  return byte;
}

int ByteFromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighTable[i] == cp) return 0x80 + i;
  }
  return -1;
}

namespace {

// Whether every byte is ASCII, which both encodings write alike.
bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string Utf8From1252(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, CodePointFrom1252(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8To1252(std::string_view utf8, char fallback) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const size_t length = DecodeUtf8(utf8, i, cp);
    if (length == 0) {
      out += fallback;
      ++i;
      continue;
    }
    i += length;
    const int byte = ByteFromCodePoint(cp);
    out += byte < 0 ? fallback : static_cast<char>(byte);
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp = 0;
    const size_t length = DecodeUtf8(bytes, i, cp);
    if (length == 0 || cp > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

char LCaseChar(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

char UCaseChar(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
  if (b == 0xFF) return static_cast<char>(0x9F);
  return c;
}

std::string UCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UCaseChar(c);
  return out;
}

std::string LCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LCaseChar(c);
  return out;
}

std::string UCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

std::string LTrim(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return std::string(text.substr(b));
}

std::string RTrim(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && IsBlank(text[e - 1])) --e;
  size_t b = 0;
  while (b < e && IsBlank(text[b])) ++b;
  return std::string(text.substr(b, e - b));
}

std::string Left(std::string_view text, long length) {
  if (length <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(length)));
}

std::string Right(std::string_view text, long length) {
  if (length <= 0) return {};
  const size_t n = static_cast<size_t>(length);
  return n >= text.size() ? std::string(text) : std::string(text.substr(text.size() - n));
}

std::string Mid(std::string_view text, long start, long length) {
  if (start < 1) start = 1;
  const size_t from = static_cast<size_t>(start - 1);
  if (from >= text.size()) return {};
  if (length < 0) return std::string(text.substr(from));
  return std::string(text.substr(from, static_cast<size_t>(length)));
}

long InStr(long start, std::string_view haystack, std::string_view needle) {
  if (start < 1) start = 1;
  const size_t from = static_cast<size_t>(start - 1);
  if (from > haystack.size()) return 0;
  // One character is looked for as a character: the import asks for every comma of every row.
  const size_t at = needle.size() == 1 ? haystack.find(needle[0], from) : haystack.find(needle, from);
  return at == std::string_view::npos ? 0 : static_cast<long>(at) + 1;
}

double Val(std::string_view text) {
  // Blanks, tabs and line feeds are not part of the number wherever they stand.
  std::string s;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  }
  size_t i = 0;
  if (s.size() >= 2 && s[0] == '&') {
    const char kind = UCaseChar(s[1]);
    const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
    if (base != 0) {
      // Kept as a double: a long run of digits must not overflow.
      double value = 0;
      for (i = 2; i < s.size(); ++i) {
        const char c = UCaseChar(s[i]);
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= base) break;
        value = value * base + digit;
      }
      return value;
    }
  }
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  bool digits = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') { number += s[i++]; digits = true; }
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') { number += s[i++]; digits = true; }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (UCaseChar(s[i]) == 'E' || UCaseChar(s[i]) == 'D')) {
    std::string exponent = "e";
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    bool exp_digits = false;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') { exponent += s[j++]; exp_digits = true; }
    if (exp_digits) number += exponent;
  }
  // Read in the C locale: the program runs in the user's, whose decimal
  // point may be a comma.
  static const locale_t c_numbers = ::newlocale(LC_NUMERIC_MASK, "C", nullptr);
  return ::strtod_l(number.c_str(), nullptr, c_numbers);
}

std::string Str(long long number) {
  const std::string digits = std::to_string(number);
  return number < 0 ? digits : " " + digits;
}

std::string NumberText(double number) {
  if (std::floor(number) == number && std::fabs(number) < 1e15) {
    return std::to_string(static_cast<long long>(number));
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", number);
  return buffer;
}

}  // namespace vb
