// The lines of one run in memory: their bytes in one arena, an entry per
// line, and the chunk quicksort that orders the entries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sortlib/xr_sort_parser.h"

namespace xrsort {

class TXRLineList {
 public:
  // Room for `bytes` of line text and `lines` entries, taken up front so
  // that the lists never move while they fill.
  void Reserve(size_t bytes, size_t lines);
  // Appends a line; `keys` give its key's first bytes, kept for comparing.
  void Add(std::string_view line, const TSortSpecs& keys);
  void Clear();
  size_t Count() const { return entries_.size(); }
  std::string_view Line(size_t i) const {
    return std::string_view(arena_.data() + entries_[i].offset, entries_[i].length);
  }
  // Asks the processor to fetch line i's first bytes, which a sorted list
  // reads far from the line before; nothing when there is no line i.
  void Prefetch(size_t i) const {
    if (i < entries_.size()) __builtin_prefetch(arena_.data() + entries_[i].offset);
  }

 private:
  friend void QuickSortLines(TXRLineList&, int64_t, int64_t, const TSortSpecs&);
  friend void SortChunk(TXRLineList&, const TSortSpecs&);
  struct Entry {
    uint64_t prefix;  // the key's first 8 bytes, big-endian, zero-filled
    uint32_t offset;  // a run's text stays well below 4 GiB
    uint32_t length;
  };
  std::vector<char> arena_;
  std::vector<Entry> entries_;
};

// Sorts entries L..R in place: the Hoare quicksort with the middle entry's
// copy as pivot, so that equal keys end in the order this sort gives them.
void QuickSortLines(TXRLineList& list, int64_t L, int64_t R, const TSortSpecs& keys);

// Sorts the whole list as QuickSortLines does. When the whole line is the
// key, lines of equal keys are equal and any sort gives the same list: one
// already in order, or in reverse order, is left or turned round, and any
// other is parted by the first bytes of its keys and each small part sorted
// by the standard library's introsort. Under sort keys that sort is kept
// where no two lines of unlike bytes have equal keys.
void SortChunk(TXRLineList& list, const TSortSpecs& keys);

}  // namespace xrsort
