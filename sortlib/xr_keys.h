// The order of the sorter: sort keys built from the key specifications, and
// the comparison of keys as unsigned bytes, then the shorter first.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "sortlib/xr_sort_parser.h"

namespace xrsort {

// InvertTable[i] = 255 - i; UpperTable: the windows-1252 capital of each byte.
const unsigned char* InvertTable();
const unsigned char* UpperTable();

std::string UpperKey(std::string_view text);
std::string InvertKey(std::string_view text);
// A text that sorts in numeric order when fields are right-aligned: blanks
// and "+" become "0"; a "-" anywhere becomes "0" and makes the number
// negative (byte 0 and the inverted text), else byte 255 and the text.
std::string NormalizeNumber(std::string_view text);

// The characters of the line that `spec` selects; none when the line ends
// before them, or when the spec's columns lie outside every line.
std::string_view KeyField(std::string_view line, const TSortFieldSpec& spec);

// The key of `line` into `key`: the whole line when there are no sort keys,
// else the parts the keys select, joined without separator or padding.
// Writes each key's Work.
void BuildSortKey(std::string_view line, TSortSpecs& keys, std::string& key);
std::string BuildSortKey(std::string_view line, TSortSpecs& keys);

// The first 8 bytes of a key, big-endian, zero-filled: of two keys whose
// prefixes differ, the one of the smaller prefix sorts first, since the
// filling only ever makes a shorter key smaller; equal prefixes decide nothing.
// Inline, as it is taken for every line that is read.
inline uint64_t KeyPrefix(std::string_view key) {
  uint64_t word = 0;
  if (!key.empty()) std::memcpy(&word, key.data(), std::min<size_t>(key.size(), 8));
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  return word;
}

// Below 0 when `a` sorts first, 0 when equal, above 0 otherwise.
int32_t CompareKeys(std::string_view a, std::string_view b);

// The two ends of comparing lines by their keys, the keys read in place
// from the lines (xr_key_compare.cpp): KeyPrefix and CompareKeys of the keys
// that BuildSortKey gives, without building them.
uint64_t LineKeyPrefix(std::string_view line, const TSortSpecs& keys);
int32_t CompareLines(std::string_view a, std::string_view b, const TSortSpecs& keys);

}  // namespace xrsort
