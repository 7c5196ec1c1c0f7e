#include "sortlib/xr_merge.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "sortlib/xr_errors.h"
#include "sortlib/xr_keys.h"

namespace xrsort {

namespace {

// Renames without replacing: fails when `to` exists.
bool MoveFileNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

// The file's last byte is a Ctrl-Z.
bool EndsInCtrlZ(const std::string& name) {
  int fd;
  int64_t size = 0;
  try {
    fd = OpenRegularFile(name, O_RDONLY, 0666, false, &size);
  } catch (const EInOutError&) {
    return false;
  }
  char last = 0;
  const bool ends = size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last == 26;
  ::close(fd);
  return ends;
}

}  // namespace

bool TXRFile::Open(const std::string& file_name, bool for_write) {
  FileName = file_name;
  HasLine = false;
  Line = {};
  try {
    if (for_write) {
      Active = false;
      TextFile = std::make_unique<TXRTextFile>();
      TextFile->Open(FileName, RecordLength, kSortBufferSize);
      TextFile->Rewrite(0, false, true);
      Active = true;
      return true;
    }
    Active = ::access(FileName.c_str(), F_OK) == 0;
    if (!Active) return false;
    if (MapRuns && RecordLength == 0) {
      Mapped = std::make_unique<TXRMappedRun>();
      Mapped->Open(FileName);
      return true;
    }
    TextFile = std::make_unique<TXRTextFile>();
    TextFile->Open(FileName, RecordLength, kSortBufferSize);
    TextFile->Reset();
    return true;
  } catch (const Exception&) {
    TextFile.reset();
    Mapped.reset();
    return false;
  }
}

bool TXRFile::Next() {
  Line = {};
  if (Active && Mapped) {
    HasLine = !Mapped->AtEnd();
    if (HasLine) Line = Mapped->NextLine();
    return HasLine;
  }
  if (!Active || !TextFile) return false;
  HasLine = !TextFile->Eof();
  if (HasLine) Line = TextFile->ReadLineView();
  return HasLine;
}

bool TXRFile::WriteLine(std::string_view text) {
  if (!Active || !TextFile) return false;
  try {
    TextFile->WriteLine(text);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TXRFile::Close() {
  if (Active && Mapped) {
    Mapped.reset();
    return true;
  }
  if (!Active || !TextFile) return false;
  std::unique_ptr<TXRTextFile> file = std::move(TextFile);
  try {
    file->Close();
    Written = file->Written();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TXRFile::Delete() {
  Active = false;
  HasLine = false;
  Line = {};
  TextFile.reset();
  Mapped.reset();
  return ::unlink(FileName.c_str()) == 0;
}

void TXRFileMerge::SetRecordLength(int32_t value) {
  RecordLength = value;
  for (TXRFile& slot : Slots) slot.RecordLength = value;
  Output.RecordLength = value;
}

void TXRFileMerge::SetMapRuns(bool value) {
  for (TXRFile& slot : Slots) slot.MapRuns = value;
}

std::string TXRFileMerge::RunFileName(int32_t number) const {
  return TempPath + Prefix + std::to_string(number) + Extension;
}

bool TXRFileMerge::AnyLineLeft() const {
  for (int i = 1; i <= Width; ++i) {
    if (Slots[i].HasLine) return true;
  }
  return false;
}

int TXRFileMerge::SmallestSlot(const TSortSpecs& keys) const {
  // The smallest first bytes of a line, chosen with no branch to guess
  // (a slot without a line counts as above all): when only one slot has
  // them, its line sorts first, since differing first bytes decide as the
  // whole keys would.
  uint64_t least = ~uint64_t{0};
  bool any = false;
  for (int i = 1; i <= Width; ++i) {
    const uint64_t prefix = Slots[i].HasLine ? Slots[i].Prefix : ~uint64_t{0};
    least = std::min(least, prefix);
    any |= Slots[i].HasLine;
  }
  int best = -1, sharing = 0;
  for (int i = Width; i >= 1; --i) {
    const bool has = Slots[i].HasLine & (Slots[i].Prefix == least);
    best = has ? i : best;
    sharing += has;
  }
  if (!any || sharing < 2) return best;
  // Of the slots that share them, the whole keys decide, the lower slot on
  // equal keys.
  for (int i = best + 1; i <= Width; ++i) {
    const TXRFile& slot = Slots[i];
    if (slot.HasLine && slot.Prefix == least && CompareLines(slot.Line, Slots[best].Line, keys) < 0) {
      best = i;
    }
  }
  return best;
}

// Next, and the first bytes of the new line's key, taken once for all its
// comparisons.
bool TXRFileMerge::Advance(TXRFile& slot, const TSortSpecs& keys) {
  if (!slot.Next()) return false;
  slot.Prefix = LineKeyPrefix(slot.Line, keys);
  return true;
}

// Closes every file of a failed merge at once; the incomplete output goes.
void TXRFileMerge::Abandon() {
  for (TXRFile& slot : Slots) {
    slot.TextFile.reset();
    slot.Mapped.reset();
    slot.Active = false;
    slot.HasLine = false;
  }
  if (Output.TextFile) {
    Output.TextFile.reset();
    ::unlink(Output.FileName.c_str());
  }
  Output.Active = false;
}

// Of stretches that do not overlap, the merge takes every line of one
// before any of the next. On equal keys the lower run's line comes first,
// so a stretch may end on the key the next begins with only when it is of
// a lower run, or of the same run and before it.
bool TXRFileMerge::JoinOrder(int32_t first, int32_t last, std::vector<Piece>& order) const {
  order.clear();
  for (int32_t n = first; n <= last; ++n) {
    const auto it = Stretches.find(n);
    if (it == Stretches.end()) return false;
    for (const RunStretch& stretch : it->second) order.push_back({n, &stretch});
  }
  // Where lines of equal keys stand in the merge: the lower run first, and
  // within a run in file order.
  auto earlier = [](const Piece& a, const Piece& b) {
    return a.run != b.run ? a.run < b.run : a.stretch->offset < b.stretch->offset;
  };
  std::sort(order.begin(), order.end(), [&](const Piece& a, const Piece& b) {
    const int32_t c = CompareKeys(a.stretch->first, b.stretch->first);
    return c != 0 ? c < 0 : earlier(a, b);
  });
  for (size_t i = 1; i < order.size(); ++i) {
    const int32_t c = CompareKeys(order[i - 1].stretch->last, order[i].stretch->first);
    if (c > 0 || (c == 0 && !earlier(order[i - 1], order[i]))) return false;
  }
  return true;
}

// Reading takes a Ctrl-Z that ends a file of records for its end-of-file
// mark, so such a run reads back short of it or fails: it is merged by
// reading, as any other run the joins leave alone.
bool TXRFileMerge::ReadBackWhole(int32_t first, int32_t last) const {
  if (RecordLength <= 0) return true;
  for (int32_t n = first; n <= last; ++n) {
    if (EndsInCtrlZ(RunFileName(n))) return false;
  }
  return true;
}

bool TXRFileMerge::OpenMerged(int32_t target) {
  if (!Output.Open(RunFileName(target), true)) return false;
  if (last_pass_ && WriteBackFinal) Output.TextFile->WriteBackAsWritten();
  return true;
}

bool TXRFileMerge::JoinRuns(int32_t first, int32_t last, const std::vector<Piece>& order,
                            int32_t target) {
  if (!OpenMerged(target)) {
    Abandon();
    return false;
  }
  std::vector<RunStretch> joined;
  int64_t offset = 0;
  try {
    for (const Piece& piece : order) {
      const RunStretch& stretch = *piece.stretch;
      Output.TextFile->AppendFile(RunFileName(piece.run), stretch.offset, stretch.length);
      joined.push_back({stretch.first, stretch.last, offset, stretch.length});
      offset += stretch.length;
    }
  } catch (const Exception&) {
    Abandon();
    return false;
  }
  for (int32_t n = first; n <= last; ++n) {
    if (::unlink(RunFileName(n).c_str()) != 0) {
      Abandon();
      return false;
    }
  }
  if (!CloseMerged()) return false;
  NoteStretches(first, last, target, std::move(joined));
  return true;
}

bool TXRFileMerge::CloseMerged() {
  if (Output.Close()) return true;
  Abandon();
  ::unlink(Output.FileName.c_str());
  return false;
}

void TXRFileMerge::NoteStretches(int32_t first, int32_t last, int32_t target,
                                 std::vector<RunStretch> merged) {
  for (int32_t n = first; n <= last; ++n) Stretches.erase(n);
  Stretches[target] = std::move(merged);
}

void TXRFileMerge::NoteMergedStretch(int32_t first, int32_t last, int32_t target) {
  RunStretch whole;
  bool any = false;
  // Reading passes over a Ctrl-Z that ends a run of records, so the merged
  // run can be shorter than its runs together: its length is what was
  // written to it.
  for (int32_t n = first; n <= last; ++n) {
    const auto it = Stretches.find(n);
    if (it == Stretches.end()) {
      for (int32_t m = first; m <= last; ++m) Stretches.erase(m);
      return;
    }
    for (const RunStretch& stretch : it->second) {
      if (!any || CompareKeys(stretch.first, whole.first) < 0) whole.first = stretch.first;
      if (!any || CompareKeys(stretch.last, whole.last) > 0) whole.last = stretch.last;
      any = true;
    }
  }
  whole.length = Output.Written;
  std::vector<RunStretch> merged;
  if (any && whole.length > 0) merged.push_back(std::move(whole));
  NoteStretches(first, last, target, std::move(merged));
}

bool TXRFileMerge::MergeRuns(int32_t first, int32_t last, const TSortSpecs& keys, int32_t target) {
  // One slot per run, and no more runs than the slots in use.
  if (Width < 2 || Width > 5 || last - first >= Width) return false;
  DoMessage("Merging files " + std::to_string(first) + " - " + std::to_string(last) + " into " +
            std::to_string(target));
  std::vector<Piece> order;
  if (JoinOrder(first, last, order) && ReadBackWhole(first, last)) {
    return JoinRuns(first, last, order, target);
  }
  for (TXRFile& slot : Slots) {
    slot.Active = false;
    slot.HasLine = false;
  }
  try {
    int used = 0;
    for (int32_t n = first; n <= last; ++n) {
      TXRFile& slot = Slots[++used];
      if (!slot.Open(RunFileName(n), false)) {
        Abandon();
        return false;
      }
      Advance(slot, keys);
    }
    // The merged run must exist whole: a failed open or close fails the merge.
    if (!OpenMerged(target)) {
      Abandon();
      return false;
    }
    // SmallestSlot is -1 once no slot has a line left, as AnyLineLeft says.
    for (int next = SmallestSlot(keys); next != -1; next = SmallestSlot(keys)) {
      TXRFile& slot = Slots[next];
      if (!Output.WriteLine(slot.Line)) {
        Abandon();
        return false;
      }
      Advance(slot, keys);
    }
    for (int i = 1; i <= used; ++i) {
      TXRFile& slot = Slots[i];
      if (!slot.Active) continue;
      if (!slot.Close() || !slot.Delete()) {
        Abandon();
        return false;
      }
    }
    if (!CloseMerged()) return false;
    NoteMergedStretch(first, last, target);
    return true;
  } catch (...) {
    Abandon();
    throw;
  }
}

bool TXRFileMerge::MergeAll(const std::string& final_name, int32_t width, int32_t first,
                            int32_t last, const TSortSpecs& keys) {
  if (width < 2) width = 2;
  if (width > 5) width = 5;
  Width = width;
  int32_t next = last + 1;
  while (last > first) {
    const int32_t hi = first + Width - 1 < last ? first + Width - 1 : last;
    last_pass_ = hi == last;
    const bool merged = MergeRuns(first, hi, keys, next);
    last_pass_ = false;
    if (!merged) return false;
    first = hi + 1;
    last = next;
    ++next;
  }
  return MoveFileNoReplace(RunFileName(last), final_name);
}

void TXRFileMerge::DoMessage(const std::string& text) const {
  if (OnMessage) OnMessage(text);
}

}  // namespace xrsort
