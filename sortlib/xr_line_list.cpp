#include "sortlib/xr_line_list.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

#include "sortlib/xr_keys.h"

namespace xrsort {

namespace {

// Compares entries with a pivot. Equal prefixes need the whole keys; a
// differing prefix decides as the whole keys would, since zero-filling
// only ever makes the shorter key smaller.
class PivotCompare {
 public:
  PivotCompare(const char* arena, const TSortSpecs& keys) : arena_(arena), keys_(keys) {}

  template <typename E>
  void SetPivot(const E& pivot) {
    pivot_prefix_ = pivot.prefix;
    pivot_offset_ = pivot.offset;
    pivot_line_ = std::string_view(arena_ + pivot.offset, pivot.length);
  }

  // Below 0 when `e` sorts before the pivot.
  template <typename E>
  int32_t Compare(const E& e) const {
    if (e.prefix != pivot_prefix_) return e.prefix < pivot_prefix_ ? -1 : 1;
    // The pivot's own line.
    if (e.offset == pivot_offset_ && e.length == pivot_line_.size()) return 0;
    return CompareLines(std::string_view(arena_ + e.offset, e.length), pivot_line_, keys_);
  }

 private:
  const char* arena_;
  const TSortSpecs& keys_;
  uint64_t pivot_prefix_ = 0;
  uint32_t pivot_offset_ = 0;
  std::string_view pivot_line_;
};

// The sort reaches all over a run's lines and entries: in large pages the
// processor keeps track of them with far fewer entries of its own.
void HugePagesFor(const void* data, size_t bytes) {
  constexpr uintptr_t kHuge = 2u << 20;
  const uintptr_t from = (reinterpret_cast<uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
  const uintptr_t to = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHuge - 1);
  if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

// Parts smaller than this are sorted without being parted.
constexpr size_t kPartMin = 64;

// Sorts the n entries at `e` with `less`, which orders entries of unlike
// prefixes as the prefixes do. The entries are parted in place by the
// first byte in which their prefixes differ, and each part is parted in
// turn, until it is small or its prefixes are all alike; only then is it
// sorted by `less`: far fewer steps of the sort than over the whole list.
template <typename Entry, typename Less>
void SortByPrefixBytes(Entry* e, size_t n, const Less& less) {
  uint64_t differ = 0;
  if (n >= kPartMin) {
    for (size_t i = 1; i < n; ++i) differ |= e[i].prefix ^ e[0].prefix;
  }
  if (differ == 0) {
    std::sort(e, e + n, less);
    return;
  }
  const int shift = (63 - std::countl_zero(differ)) & ~7;
  auto byte = [shift](const Entry& x) { return static_cast<size_t>(x.prefix >> shift) & 0xFF; };
  size_t count[256] = {};
  for (size_t i = 0; i < n; ++i) ++count[byte(e[i])];
  size_t start[257], next[256];
  start[0] = 0;
  for (size_t b = 0; b < 256; ++b) {
    next[b] = start[b];
    start[b + 1] = start[b] + count[b];
  }
  // Each entry out of its part is swapped into the next free place of its
  // own, until the one that belongs here comes back.
  for (size_t b = 0; b < 256; ++b) {
    while (next[b] < start[b + 1]) {
      Entry x = e[next[b]];
      for (size_t d = byte(x); d != b; d = byte(x)) std::swap(x, e[next[d]++]);
      e[next[b]++] = x;
    }
  }
  for (size_t b = 0; b < 256; ++b) {
    if (count[b] > 1) SortByPrefixBytes(e + start[b], count[b], less);
  }
}

}  // namespace

void TXRLineList::Reserve(size_t bytes, size_t lines) {
  arena_.reserve(bytes);
  entries_.reserve(lines);
  HugePagesFor(arena_.data(), arena_.capacity());
  HugePagesFor(entries_.data(), entries_.capacity() * sizeof(Entry));
}

void TXRLineList::Add(std::string_view line, const TSortSpecs& keys) {
  entries_.push_back(Entry{LineKeyPrefix(line, keys), static_cast<uint32_t>(arena_.size()),
                           static_cast<uint32_t>(line.size())});
  arena_.insert(arena_.end(), line.begin(), line.end());
}

void TXRLineList::Clear() {
  arena_.clear();
  entries_.clear();
}

void QuickSortLines(TXRLineList& list, int64_t L, int64_t R, const TSortSpecs& keys) {
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

void SortChunk(TXRLineList& list, const TSortSpecs& keys) {
  std::vector<TXRLineList::Entry>& e = list.entries_;
  if (e.size() < 2) return;
  if (keys.empty()) {
    const char* arena = list.arena_.data();
    // Below 0, 0 or above 0 as entry a sorts before, with or after entry b.
    auto order = [arena](const TXRLineList::Entry& a, const TXRLineList::Entry& b) {
      if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
      return CompareKeys(std::string_view(arena + a.offset, a.length),
                         std::string_view(arena + b.offset, b.length));
    };
    size_t rising = 1, falling = 1;
    for (size_t i = 1; i < e.size(); ++i) {
      const int32_t c = order(e[i - 1], e[i]);
      rising += c <= 0 ? 1 : 0;
      falling += c >= 0 ? 1 : 0;
      if (rising <= i && falling <= i) break;
    }
    if (rising == e.size()) return;
    if (falling == e.size()) {
      std::reverse(e.begin(), e.end());
      return;
    }
    SortByPrefixBytes(e.data(), e.size(),
                      [&](const auto& a, const auto& b) { return order(a, b) < 0; });
    return;
  }
  // Where no two lines of unlike bytes have equal keys, the sorted order is
  // the only one, and any sort gives it: the parted sort is tried first. A
  // sort compares every two lines that end side by side (the parting by
  // prefix bytes only sets apart lines whose keys differ), so it meets such
  // a pair if there is one; then the list goes back to the order in which
  // the lines were read (their place in the arena, an empty line before the
  // line after it) for the quicksort.
  const char* arena = list.arena_.data();
  bool unlike_equal = false;
  SortByPrefixBytes(e.data(), e.size(), [&](const auto& a, const auto& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const std::string_view la(arena + a.offset, a.length), lb(arena + b.offset, b.length);
    const int32_t c = CompareLines(la, lb, keys);
    if (c == 0 && la != lb) unlike_equal = true;
    return c < 0;
  });
  if (!unlike_equal) return;
  std::sort(e.begin(), e.end(), [](const auto& a, const auto& b) {
    return a.offset != b.offset ? a.offset < b.offset : a.length < b.length;
  });
  QuickSortLines(list, 0, static_cast<int64_t>(e.size()) - 1, keys);
}

}  // namespace xrsort
