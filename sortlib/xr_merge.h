// Sorted run files merged a few at a time, oldest first, until one is left,
// which then takes the sort's final name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sortlib/xr_mapped_run.h"
#include "sortlib/xr_sort_parser.h"
#include "sortlib/xr_text_file.h"

namespace xrsort {

// Where progress texts go; empty when nobody listens.
using TXRMessageHandler = std::function<void(const std::string&)>;

// One run file and, when read, its current line (in the file's buffer, until
// the next read) and the first bytes of that line's key.
class TXRFile {
 public:
  bool Open(const std::string& file_name, bool for_write);
  // Advances to the next line; false at the end. Read errors raise.
  bool Next();
  bool WriteLine(std::string_view text);
  bool Close();
  bool Delete();

  std::string FileName;
  int32_t RecordLength = 0;
  // A run of lines read through a mapping (MapRuns) rather than TextFile.
  bool MapRuns = false;
  std::unique_ptr<TXRTextFile> TextFile;
  std::unique_ptr<TXRMappedRun> Mapped;
  bool Active = false;
  bool HasLine = false;
  std::string_view Line;
  uint64_t Prefix = 0;  // the first 8 bytes of the key, big-endian, zero-filled
  int64_t Written = 0;  // the bytes of a written file, once closed
};

// A stretch of a run file, in order, with the keys of its first and last
// lines. A run the sort wrote is one stretch; one joined from others is made
// of theirs.
struct RunStretch {
  std::string first;
  std::string last;
  int64_t offset = 0;
  int64_t length = 0;
};

class TXRFileMerge {
 public:
  void SetRecordLength(int32_t value);
  // Runs of lines are read through mappings of them.
  void SetMapRuns(bool value);
  // TempPath + Prefix + number + Extension.
  std::string RunFileName(int32_t number) const;
  bool AnyLineLeft() const;
  // The input slot (1..Width) whose line sorts first, the lower one on equal
  // keys; -1 when none has a line.
  int SmallestSlot(const TSortSpecs& keys) const;
  // Merges runs first..last, at most Width of them, into run `target` and
  // deletes them. Runs whose stretches are known and do not overlap merge
  // into the stretches joined in order, copied without reading their lines.
  bool MergeRuns(int32_t first, int32_t last, const TSortSpecs& keys, int32_t target);
  // Merges runs first..last down to one and renames it to `final_name`,
  // which must not exist. With WriteBackFinal the last merge's file goes on
  // to the disk as it is written.
  bool MergeAll(const std::string& final_name, int32_t width, int32_t first, int32_t last,
                const TSortSpecs& keys);
  void DoMessage(const std::string& text) const;

  int32_t RecordLength = 0;
  std::string TempPath;  // native, ending in "/"
  TXRMessageHandler OnMessage;
  int32_t Width = 5;
  bool WriteBackFinal = false;
  TXRFile Slots[6];  // 1..5; 0 is unused
  TXRFile Output;
  std::string Prefix;
  std::string Extension;
  // The stretches, in file order, of the runs the sort wrote and of those
  // merged from them; an empty run has none.
  std::map<int32_t, std::vector<RunStretch>> Stretches;

 private:
  bool Advance(TXRFile& slot, const TSortSpecs& keys);
  void Abandon();
  // A stretch of one of the runs being merged.
  struct Piece {
    int32_t run;
    const RunStretch* stretch;
  };
  // The order in which the stretches of runs first..last follow each other
  // in their merge when no two of them overlap; false when a run's
  // stretches are unknown or two overlap.
  bool JoinOrder(int32_t first, int32_t last, std::vector<Piece>& order) const;
  // Runs first..last read back as they were written.
  bool ReadBackWhole(int32_t first, int32_t last) const;
  bool JoinRuns(int32_t first, int32_t last, const std::vector<Piece>& order, int32_t target);
  // Closes the merged run; false, and the run gone, when it cannot be closed.
  bool CloseMerged();
  // Replaces the stretches of runs first..last by those of `target`.
  void NoteStretches(int32_t first, int32_t last, int32_t target, std::vector<RunStretch> merged);
  // The one stretch of a merge of runs first..last, when all of theirs are known.
  void NoteMergedStretch(int32_t first, int32_t last, int32_t target);
  // Opens the merged run `target` for writing.
  bool OpenMerged(int32_t target);

  bool last_pass_ = false;  // MergeAll's last merge, which makes the final file
};

}  // namespace xrsort
