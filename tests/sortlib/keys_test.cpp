#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "sortlib/xr_keys.h"
#include "sortlib/xr_line_list.h"

using xrsort::TSortSpecs;

namespace {

using Lines = std::vector<std::string>;

TSortSpecs Keys(const std::string& command_line) {
  xrsort::TXRSortParser parser;
  parser.Parse(command_line + " in out");
  return parser.Keys;
}

// The chunk sort of `lines` under `keys`.
Lines Sorted(const Lines& lines, TSortSpecs keys) {
  xrsort::TXRLineList list;
  for (const std::string& line : lines) list.Add(line, keys);
  xrsort::SortChunk(list, keys);
  Lines out;
  for (size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.Line(i));
  return out;
}

// The quicksort as the sorter's description gives it, for a list of texts:
// left part by recursion, right part by the loop, keys built at every
// comparison. The chunk sort must put equal keys in the same order.
void ReferenceQuickSort(Lines& list, int L, int R, TSortSpecs& keys) {
  if (L >= R) return;
  int I;
  do {
    I = L;
    int J = R;
    const std::string P = list[static_cast<size_t>((L + R) / 2)];
    do {
      while (xrsort::CompareLines(list[static_cast<size_t>(I)], P, keys) < 0) ++I;
      while (xrsort::CompareLines(list[static_cast<size_t>(J)], P, keys) > 0) --J;
      if (I <= J) {
        std::swap(list[static_cast<size_t>(I)], list[static_cast<size_t>(J)]);
        ++I;
        --J;
      }
    } while (I <= J);
    if (L < J) ReferenceQuickSort(list, L, J, keys);
    L = I;
  } while (I < R);
}

}  // namespace

// Unsigned bytes, a shorter prefix first in both directions, case folded by
// the windows-1252 table, numbers by value, key parts joined without padding.
TEST(SortKeys, OrderUnderEachKind) {
  const std::string nul("a\0", 2);
  const struct {
    const char* keys;
    Lines lines, sorted;
  } cases[] = {
      {"", {"a", "B", "abc", "", "\xe4", "ab", "~"}, {"", "B", "a", "ab", "abc", "~", "\xe4"}},
      {"/S=1,0", {nul, "a", "b"}, {"a", nul, "b"}},
      {"/S=1,0-", {"abc", "b", "ab", "a"}, {"b", "a", "ab", "abc"}},
      {"/S=1,0", {"apple", "Apple", "APPLE"}, {"APPLE", "Apple", "apple"}},
      {"/N=1,4", {"  12", "   5", "    ", " -12", "  -5"}, {" -12", "  -5", "    ", "   5", "  12"}},
      {"/N=1,4", {"  +5", "   3", "+  1"}, {"+  1", "   3", "  +5"}},
      {"/S=3,2", {"abd", "zzc", "ab"}, {"ab", "zzc", "abd"}},
      {"/S=1,3 /S=5,2", {"abc xz", "ab", "abc xy"}, {"ab", "abc xy", "abc xz"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Sorted(c.lines, Keys(c.keys)), c.sorted) << c.keys;

  TSortSpecs fold = Keys("/C=1,0-");
  EXPECT_EQ(xrsort::CompareLines("apple", "APPLE", fold), 0);
  EXPECT_EQ(xrsort::CompareLines("\xe4\xff\xdf\x9a", "\xc4\x9f\xdf\x8a", fold), 0);
  TSortSpecs parts = Keys("/S=3,2");
  EXPECT_EQ(xrsort::BuildSortKey("abcd", parts), "cd");
  TSortSpecs two = Keys("/S=1,3 /S=5,2");
  EXPECT_EQ(xrsort::BuildSortKey("abc xy", two), "abcxy");
  TSortSpecs negative = Keys("/S=2,-1");
  EXPECT_EQ(xrsort::BuildSortKey("abc", negative), "");
  // A line too short for a numeric key sorts after every number.
  TSortSpecs n = Keys("/N=10,3");
  EXPECT_LT(xrsort::CompareLines("         -12", "short", n), 0);
  EXPECT_LT(xrsort::CompareLines("short", "           0", n), 0);
}

// Lines compared in place order as their built keys do, to the value: parts
// of unequal length that shift the next part, numbers, columns outside the
// line, negative lengths, bytes above 127, keys shorter than a prefix.
TEST(SortKeys, ComparedInPlaceAsTheirBuiltKeys) {
  std::mt19937 random(5);
  const std::string bytes(" -+1aAzZ\xe4\xc4\xff\x9f\0", 13);
  for (const char* key_line :
       {"", "/C=1,0", "/C=2,5-", "/S=1,0-", "/S=3,2 /C=1,0-", "/N=2,3 /C=1,4 /S=6,0",
        "/N=1,3- /N=3,2", "/C=2,-1 /S=1,4 /C=20,3- /S=9,0"}) {
    const TSortSpecs keys = Keys(key_line);
    for (int i = 0; i < 4000; ++i) {
      std::string a, b;
      for (std::string* line : {&a, &b}) {
        const int length = static_cast<int>(random() % 14);
        for (int j = 0; j < length; ++j) line->push_back(bytes[random() % bytes.size()]);
      }
      if (i % 3 == 0) b = a.substr(0, random() % (a.size() + 1));
      TSortSpecs built = keys;
      const std::string key_a = xrsort::BuildSortKey(a, built);
      const std::string key_b = xrsort::BuildSortKey(b, built);
      ASSERT_EQ(xrsort::CompareLines(a, b, keys), xrsort::CompareKeys(key_a, key_b))
          << key_line << " [" << a << "] [" << b << "]";
      ASSERT_EQ(xrsort::LineKeyPrefix(a, keys), xrsort::KeyPrefix(key_a)) << key_line << " " << a;
    }
  }
}

TEST(SortKeys, ChunkSortKeepsTheQuicksortsTieOrder) {
  std::mt19937 random(7);
  for (const char* key_line : {"", "/C=1,3", "/S=2,2- /N=5,3", "/C=4,0-"}) {
    for (int size : {1, 2, 3, 17, 400, 3000}) {
      Lines lines;
      for (int i = 0; i < size; ++i) {
        std::string line;
        const int length = static_cast<int>(random() % 12);
        for (int j = 0; j < length; ++j) line += "aAbB -1\xe4\xc4"[random() % 9];
        lines.push_back(line);
      }
      TSortSpecs keys = Keys(key_line);
      Lines expected = lines;
      ReferenceQuickSort(expected, 0, size - 1, keys);
      EXPECT_EQ(Sorted(lines, keys), expected) << key_line << " " << size;
    }
  }
  // Under a key, and no two keys equal: the sort by key bytes is kept.
  Lines unlike;
  for (int i = 0; i < 3000; ++i) unlike.push_back("aBcD~"[i % 5] + std::to_string(i * 7919 % 3000));
  TSortSpecs folded = Keys("/C=1,0");
  Lines expected = unlike;
  ReferenceQuickSort(expected, 0, 2999, folded);
  EXPECT_EQ(Sorted(unlike, folded), expected);
  // Bytes of every value: the first byte parts the lines into a few each.
  Lines spread(300, std::string(9, ' '));
  for (std::string& line : spread) for (char& c : line) c = static_cast<char>(random());
  TSortSpecs whole;
  expected = spread;
  ReferenceQuickSort(expected, 0, 299, whole);
  EXPECT_EQ(Sorted(spread, whole), expected);
  Lines sorted, reversed;
  for (int i = 0; i < 5000; ++i) sorted.push_back(std::to_string(100000 + i));
  reversed.assign(sorted.rbegin(), sorted.rend());
  EXPECT_EQ(Sorted(reversed, {}), sorted);
  EXPECT_EQ(Sorted(sorted, {}), sorted);
}
