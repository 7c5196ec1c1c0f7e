#include "sortlib/xr_line_list.h"

#include <utility>

#include "sortlib/xr_keys.h"

namespace xrsort {

namespace {

uint64_t PrefixOf(std::string_view key) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    prefix <<= 8;
    if (i < key.size()) prefix |= static_cast<unsigned char>(key[i]);
  }
  return prefix;
}

// Compares entries with a pivot. Equal prefixes need the whole keys; a
// differing prefix decides as the whole keys would, since zero-filling
// only ever makes the shorter key smaller.
class PivotCompare {
 public:
  PivotCompare(const char* arena, TSortSpecs& keys) : arena_(arena), keys_(keys) {}

  template <typename E>
  void SetPivot(const E& pivot) {
    pivot_prefix_ = pivot.prefix;
    pivot_line_ = std::string_view(arena_ + pivot.offset, pivot.length);
    if (!keys_.empty()) BuildSortKey(pivot_line_, keys_, pivot_key_);
  }

  // Below 0 when `e` sorts before the pivot.
  template <typename E>
  int32_t Compare(const E& e) {
    if (e.prefix != pivot_prefix_) return e.prefix < pivot_prefix_ ? -1 : 1;
    const std::string_view line(arena_ + e.offset, e.length);
    if (keys_.empty()) return CompareKeys(line, pivot_line_);
    BuildSortKey(line, keys_, key_);
    return CompareKeys(key_, pivot_key_);
  }

 private:
  const char* arena_;
  TSortSpecs& keys_;
  uint64_t pivot_prefix_ = 0;
  std::string_view pivot_line_;
  std::string pivot_key_;
  std::string key_;
};

}  // namespace

void TXRLineList::Reserve(size_t bytes, size_t lines) {
  arena_.reserve(bytes);
  entries_.reserve(lines);
}

void TXRLineList::Add(std::string_view line, TSortSpecs& keys) {
  uint64_t prefix;
  if (keys.empty()) {
    prefix = PrefixOf(line);
  } else {
    BuildSortKey(line, keys, key_);
    prefix = PrefixOf(key_);
  }
  entries_.push_back(Entry{prefix, static_cast<uint32_t>(arena_.size()),
                           static_cast<uint32_t>(line.size())});
  arena_.insert(arena_.end(), line.begin(), line.end());
}

void TXRLineList::Clear() {
  arena_.clear();
  entries_.clear();
}

void QuickSortLines(TXRLineList& list, int64_t L, int64_t R, TSortSpecs& keys) {
  std::vector<TXRLineList::Entry>& e = list.entries_;
  PivotCompare cmp(list.arena_.data(), keys);
  // Each part is sorted the same whichever goes first: the smaller one is
  // sorted by recursion, the larger by the loop, which bounds the stack.
  while (L < R) {
    int64_t I = L;
    int64_t J = R;
    const TXRLineList::Entry pivot = e[static_cast<size_t>((L + R) / 2)];
    cmp.SetPivot(pivot);
    do {
      while (cmp.Compare(e[static_cast<size_t>(I)]) < 0) ++I;
      while (cmp.Compare(e[static_cast<size_t>(J)]) > 0) --J;
      if (I <= J) {
        std::swap(e[static_cast<size_t>(I)], e[static_cast<size_t>(J)]);
        ++I;
        --J;
      }
    } while (I <= J);
    if (J - L < R - I) {
      if (L < J) QuickSortLines(list, L, J, keys);
      L = I;
    } else {
      if (I < R) QuickSortLines(list, I, R, keys);
      R = J;
    }
  }
}

}  // namespace xrsort
