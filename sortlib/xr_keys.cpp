#include "sortlib/xr_keys.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"

namespace xrsort {

namespace {

struct Tables {
  unsigned char invert[256];
  unsigned char upper[256];
  Tables() {
    for (int i = 0; i < 256; ++i) invert[i] = static_cast<unsigned char>(255 - i);
    for (int i = 0; i < 256; ++i) {
      upper[i] = static_cast<unsigned char>(vb::UCaseChar(static_cast<char>(i)));
    }
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

void MapThrough(std::string& text, size_t from, const unsigned char* table) {
  for (size_t i = from; i < text.size(); ++i) {
    text[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
  }
}

}  // namespace

const unsigned char* InvertTable() { return TheTables().invert; }
const unsigned char* UpperTable() { return TheTables().upper; }

std::string UpperKey(std::string_view text) {
  std::string out(text);
  MapThrough(out, 0, UpperTable());
  return out;
}

std::string InvertKey(std::string_view text) {
  std::string out(text);
  MapThrough(out, 0, InvertTable());
  return out;
}

namespace {

// NormalizeNumber into `out`, reusing its storage.
void NormalizeInto(std::string_view text, std::string& out) {
  out.assign(1, '\0');
  out.append(text);
  bool negative = false;
  for (size_t i = 1; i < out.size(); ++i) {
    char& c = out[i];
    if (c == ' ' || c == '+') {
      c = '0';
    } else if (c == '-') {
      c = '0';
      negative = true;
    }
  }
  if (negative) {
    MapThrough(out, 1, InvertTable());
  } else {
    out[0] = static_cast<char>(255);
  }
}

}  // namespace

std::string NormalizeNumber(std::string_view text) {
  std::string out;
  NormalizeInto(text, out);
  return out;
}

std::string_view KeyField(std::string_view line, const TSortFieldSpec& spec) {
  const int64_t length = static_cast<int64_t>(line.size());
  const int64_t from = spec.FromColumn;
  int64_t n;
  if (spec.KeyLength != 0 && length >= from + spec.KeyLength - 1) {
    n = spec.KeyLength;
  } else {
    n = length - from + 1;
  }
  if (n <= 0 || from < 1) return {};
  return line.substr(static_cast<size_t>(from - 1), static_cast<size_t>(n));
}

void BuildSortKey(std::string_view line, TSortSpecs& keys, std::string& key) {
  if (keys.empty()) {
    key.assign(line);
    return;
  }
  key.clear();
  for (TSortFieldSpec& spec : keys) {
    const std::string_view field = KeyField(line, spec);
    if (spec.Numeric) {
      NormalizeInto(field, spec.Work);
    } else {
      spec.Work.assign(field);
    }
    if (spec.IgnoreCase) MapThrough(spec.Work, 0, UpperTable());
    if (!spec.Ascending) MapThrough(spec.Work, 0, InvertTable());
    key.append(spec.Work);
  }
}

std::string BuildSortKey(std::string_view line, TSortSpecs& keys) {
  std::string key;
  BuildSortKey(line, keys, key);
  return key;
}

int32_t CompareKeys(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  if (n > 0) {
    const int c = std::memcmp(a.data(), b.data(), n);
    if (c != 0) {
      // The first differing bytes, as unsigned values.
      size_t i = 0;
      while (a[i] == b[i]) ++i;
      return static_cast<int32_t>(static_cast<unsigned char>(a[i])) -
             static_cast<int32_t>(static_cast<unsigned char>(b[i]));
    }
  }
  return static_cast<int32_t>(a.size()) - static_cast<int32_t>(b.size());
}

}  // namespace xrsort
