// Lines compared by their keys in place: each key byte is read from the line
// and mapped (upper case, number form, inversion) only as it is compared, so
// no key is copied.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "sortlib/xr_keys.h"

namespace xrsort {

namespace {

// Every mapping a key part applies to its bytes, composed once.
struct PartTables {
  unsigned char same[256];
  unsigned char upper[256];
  unsigned char invert[256];
  unsigned char upper_invert[256];
  unsigned char number[256];         // blank, "+" and "-" read as "0"
  unsigned char number_invert[256];  // the same, inverted
  bool ascii_upper = true;  // the capitals of bytes below 128 are those of ASCII
  PartTables() {
    const unsigned char* up = UpperTable();
    const unsigned char* inv = InvertTable();
    for (int i = 0; i < 256; ++i) {
      const auto b = static_cast<unsigned char>(i);
      same[i] = b;
      upper[i] = up[b];
      invert[i] = inv[b];
      upper_invert[i] = inv[up[b]];
      number[i] = b == ' ' || b == '+' || b == '-' ? static_cast<unsigned char>('0') : b;
      number_invert[i] = inv[number[i]];
      if (i < 128 && upper[i] != (b >= 'a' && b <= 'z' ? b - 32 : b)) ascii_upper = false;
    }
  }
};

const PartTables& Tables() {
  static const PartTables tables;
  return tables;
}

// The lead byte of a number's part: 255 for a number not negative, 0 for a
// negative one, before the inversion of a descending key.
const unsigned char kLeads[2] = {0, 255};

// The table of a part that is not numeric.
const unsigned char* TextTable(const TSortFieldSpec& spec, const PartTables& tables) {
  if (spec.IgnoreCase) return spec.Ascending ? tables.upper : tables.upper_invert;
  return spec.Ascending ? tables.same : tables.invert;
}

const unsigned char* Unsigned(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

// Walks the bytes of one line's key, part by part, without building it. A
// numeric part is two stretches: its lead byte, then its field.
class KeyCursor {
 public:
  KeyCursor(std::string_view line, const TSortSpecs& keys, const PartTables& tables)
      : line_(line), keys_(keys), tables_(tables) {}

  // Moves to a stretch with bytes left; false when the key has none.
  bool Fill() {
    while (left_ == 0) {
      if (field_pending_) {
        field_pending_ = false;
        bytes_ = field_;
        left_ = field_size_;
        table_ = field_table_;
      } else if (next_ < keys_.size()) {
        Open(keys_[next_++]);
      } else {
        return false;
      }
    }
    return true;
  }
  const unsigned char* Bytes() const { return bytes_; }
  size_t Left() const { return left_; }
  const unsigned char* Table() const { return table_; }
  void Skip(size_t n) {
    bytes_ += n;
    left_ -= n;
    used_ += n;
  }
  // The whole key's length: what was passed over and what is left.
  int64_t Length() const {
    int64_t length = static_cast<int64_t>(used_ + left_) +
                     (field_pending_ ? static_cast<int64_t>(field_size_) : 0);
    for (size_t k = next_; k < keys_.size(); ++k) {
      length += static_cast<int64_t>(KeyField(line_, keys_[k]).size()) + (keys_[k].Numeric ? 1 : 0);
    }
    return length;
  }

 private:
  void Open(const TSortFieldSpec& spec) {
    const std::string_view field = KeyField(line_, spec);
    field_ = Unsigned(field);
    field_size_ = field.size();
    if (spec.Numeric) {
      const bool negative = field.find('-') != std::string_view::npos;
      // Inverting twice gives back the plain form.
      field_table_ = negative == spec.Ascending ? tables_.number_invert : tables_.number;
      bytes_ = &kLeads[negative == spec.Ascending ? 0 : 1];
      left_ = 1;
      table_ = tables_.same;
      field_pending_ = true;
      return;
    }
    table_ = TextTable(spec, tables_);
    bytes_ = field_;
    left_ = field_size_;
  }

  std::string_view line_;
  const TSortSpecs& keys_;
  const PartTables& tables_;
  size_t next_ = 0;  // the next sort key to open
  const unsigned char* bytes_ = nullptr;
  size_t left_ = 0;
  const unsigned char* table_ = nullptr;
  size_t used_ = 0;  // key bytes passed over
  bool field_pending_ = false;  // a numeric field follows its lead byte
  const unsigned char* field_ = nullptr;
  size_t field_size_ = 0;
  const unsigned char* field_table_ = nullptr;
};

// The eight bytes of `word` with each ASCII small letter made a capital;
// every byte is below 128, so no sum carries into the next byte.
uint64_t AsciiCapitals(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101u;
  const uint64_t from_a = (word + kOnes * (0x80 - 'a')) & kOnes * 0x80;
  const uint64_t past_z = (word + kOnes * (0x80 - 'z' - 1)) & kOnes * 0x80;
  return word - ((from_a & ~past_z) >> 2);
}

// The first 8 bytes of a key part that is not numeric, mapped, zero-filled.
// ASCII text is upper-cased eight bytes at once.
uint64_t TextPrefix(std::string_view field, const TSortFieldSpec& spec, const PartTables& tables) {
  const size_t n = std::min<size_t>(field.size(), 8);
  if (n == 0) return 0;
  uint64_t word = KeyPrefix(field);
  if (spec.IgnoreCase) {
    if ((word & 0x8080808080808080u) == 0 && tables.ascii_upper) {
      word = AsciiCapitals(word);
    } else {
      word = 0;
      for (size_t i = 0; i < n; ++i) word = word << 8 | tables.upper[Unsigned(field)[i]];
      word <<= 8 * (8 - n);
    }
  }
  // Only the bytes of the field are inverted; the filling stays zero.
  return spec.Ascending ? word : ~word & ~uint64_t{0} << (8 * (8 - n));
}

// The number of bytes, of the first n, in which a and b agree.
size_t EqualRun(const unsigned char* a, const unsigned char* b, size_t n) {
  size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= n; i += 8) {
      uint64_t x, y;
      std::memcpy(&x, a + i, 8);
      std::memcpy(&y, b + i, 8);
      if (x != y) return i + static_cast<size_t>(std::countr_zero(x ^ y) / 8);
    }
  }
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

// Of n bytes of a mapped through ta and of b through tb, the first mapped
// difference, or 0. Bytes that agree before one mapping agree after it.
int32_t CompareMapped(const unsigned char* a, const unsigned char* ta, const unsigned char* b,
                      const unsigned char* tb, size_t n) {
  if (ta != tb) {
    for (size_t i = 0; i < n; ++i) {
      if (ta[a[i]] != tb[b[i]]) return static_cast<int32_t>(ta[a[i]]) - tb[b[i]];
    }
    return 0;
  }
  for (size_t i = EqualRun(a, b, n); i < n; i += 1 + EqualRun(a + i + 1, b + i + 1, n - i - 1)) {
    if (ta[a[i]] != ta[b[i]]) return static_cast<int32_t>(ta[a[i]]) - ta[b[i]];
  }
  return 0;
}

}  // namespace

uint64_t LineKeyPrefix(std::string_view line, const TSortSpecs& keys) {
  if (keys.empty()) return KeyPrefix(line);
  // One part: its first bytes, mapped.
  if (keys.size() == 1 && !keys[0].Numeric) return TextPrefix(KeyField(line, keys[0]), keys[0], Tables());
  uint64_t word = 0;
  size_t got = 0;
  KeyCursor cursor(line, keys, Tables());
  while (got < 8 && cursor.Fill()) {
    const size_t n = std::min(8 - got, cursor.Left());
    const unsigned char* bytes = cursor.Bytes();
    const unsigned char* table = cursor.Table();
    for (size_t i = 0; i < n; ++i) word = word << 8 | table[bytes[i]];
    cursor.Skip(n);
    got += n;
  }
  // Zero-filled, as KeyPrefix fills a short key.
  return got == 0 ? 0 : word << (8 * (8 - got));
}

int32_t CompareLines(std::string_view a, std::string_view b, const TSortSpecs& keys) {
  if (keys.empty()) return CompareKeys(a, b);
  const PartTables& tables = Tables();
  if (keys.size() == 1 && !keys[0].Numeric) {
    // One part: both fields through the same table.
    const std::string_view fa = KeyField(a, keys[0]);
    const std::string_view fb = KeyField(b, keys[0]);
    const unsigned char* table = TextTable(keys[0], tables);
    const int32_t c = CompareMapped(Unsigned(fa), table, Unsigned(fb), table,
                                    std::min(fa.size(), fb.size()));
    if (c != 0) return c;
    return static_cast<int32_t>(fa.size()) - static_cast<int32_t>(fb.size());
  }
  KeyCursor ka(a, keys, tables);
  KeyCursor kb(b, keys, tables);
  while (ka.Fill() && kb.Fill()) {
    const size_t n = std::min(ka.Left(), kb.Left());
    const int32_t c = CompareMapped(ka.Bytes(), ka.Table(), kb.Bytes(), kb.Table(), n);
    if (c != 0) return c;
    ka.Skip(n);
    kb.Skip(n);
  }
  return static_cast<int32_t>(ka.Length()) - static_cast<int32_t>(kb.Length());
}

}  // namespace xrsort
