#include "sortlib/xr_file_sorter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <memory>

#include "sortlib/xr_errors.h"
#include "sortlib/xr_keys.h"
#include "sortlib/xr_mapped_run.h"
#include "sortlib/xr_paths.h"
#include "sortlib/xr_text_file.h"

namespace xrsort {

namespace {

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), IsBlankByte);
}

// Sets the sorter's work folder for the length of one sort.
class WorkScope {
 public:
  WorkScope(WorkFolder*& slot, WorkFolder& folder) : slot_(slot) { slot_ = &folder; }
  ~WorkScope() { slot_ = nullptr; }

 private:
  WorkFolder*& slot_;
};

}  // namespace

std::string GroupedNumber(uint64_t value) {
  const lconv* conv = std::localeconv();
  const std::string separator =
      conv && conv->thousands_sep && *conv->thousands_sep ? conv->thousands_sep : ",";
  std::string digits = std::to_string(value);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

TXRFileSorter::TXRFileSorter() {
  Merger.Prefix = "$XRsort";
  Merger.Extension = ".tmp";
}

void TXRFileSorter::DoMessage(const std::string& text) const {
  if (OnMessage) OnMessage(text);
}

void TXRFileSorter::Sort(const std::string& command_line) {
  ChunkLines.Clear();
  HeaderTexts.clear();
  ChunkBytes = 0;
  RunCount = 0;
  // Every run lives in a folder of this sort's own, gone when the sort ends.
  WorkFolder work;
  WorkScope scope(work_, work);
  Merger.TempPath.clear();
  Merger.Stretches.clear();

  auto input = std::make_unique<TXRTextFile>();
  ReadSettings(command_line);
  const std::string input_name = CheckedInputName();
  input->Open(input_name, Parser.RecordLength, kSortBufferSize);
  input->Reset();
  DoMessage("Memory used: " + GroupedNumber(Parser.MemoryLimit) + " bytes");
  DoMessage("Reading...");
  const InputCount count = ReadInput(*input);
  input->Close();
  input.reset();

  if (OnMessage && count.lines != count.last_reported) ReportRead(count.lines);
  // The final file becomes the output itself unless the output is made from it.
  Merger.WriteBackFinal = !Parser.RemoveDuplicates && Parser.HeaderLines == 0;
  if (ChunkLines.Count() > 0 || RunCount == 0) WriteRun(RunCount == 0 && Merger.WriteBackFinal);
  DoMessage("Begin " + std::to_string(Parser.MergeWidth) + "-way merging files 0-" +
            std::to_string(RunCount - 1) + "...");
  const std::string final_name = work.Path() + "$XRsort.tmp";
  if (!Merger.MergeAll(final_name, Parser.MergeWidth, 0, RunCount - 1, Parser.Keys)) {
    RaiseError("Error copying last file");
  }
  const int64_t records = count.lines - static_cast<int64_t>(HeaderTexts.size()) - count.skipped;
  MakeOutput(final_name, records);
}

void TXRFileSorter::ReadSettings(const std::string& command_line) {
  Parser.Parse(command_line);
  for (size_t i = 0; i + 1 < Parser.Keys.size(); ++i) {
    if (Parser.Keys[i].KeyLength == 0) {
      RaiseError("length = 0 only valid for last key specification");
    }
  }
  if (Parser.Quiet) {
    OnMessage = nullptr;
    Merger.OnMessage = nullptr;
  } else {
    Merger.OnMessage = OnMessage;
  }
  Merger.SetRecordLength(Parser.RecordLength);
}

std::string TXRFileSorter::CheckedInputName() const {
  const std::string input_name = NativePath(Parser.InputFile);
  if (!IsFile(input_name)) RaiseError("File " + Parser.InputFile + " not found");
  // The dropped records would be written over the lines being sorted or
  // over their result.
  const std::string& dups = Parser.DuplicatesFile;
  if (!dups.empty() && (SameFile(NativePath(dups), input_name) ||
                        SameFile(NativePath(dups), NativePath(Parser.OutputFile)))) {
    RaiseError("Duplicates file " + dups + " is the input or output file");
  }
  return input_name;
}

TXRFileSorter::InputCount TXRFileSorter::ReadInput(TXRTextFile& input) {
  // Room for one run, taken once: a run's text never exceeds its budget.
  const uint64_t size = static_cast<uint64_t>(input.Size());
  ChunkLines.Reserve(std::min<uint64_t>(Parser.MemoryLimit, size) + kSortBufferSize,
                     std::min<uint64_t>(Parser.MemoryLimit / 10, size) + 2);
  while (static_cast<int64_t>(HeaderTexts.size()) < Parser.HeaderLines && !input.Eof()) {
    HeaderTexts.emplace_back(input.ReadLineView());
  }
  InputCount count;
  count.lines = static_cast<int64_t>(HeaderTexts.size());
  while (!input.Eof()) {
    const std::string_view line = input.ReadLineView();
    ++count.lines;
    if (OnMessage && count.lines % 1000 == 0) {
      count.last_reported = count.lines;
      ReportRead(count.lines);
    }
    if (Parser.SkipBlankLines && IsBlankLine(line)) {
      ++count.skipped;
    } else {
      ChunkLines.Add(line, Parser.Keys);
    }
    ChunkBytes += line.size() + 10;
    if (ChunkBytes > Parser.MemoryLimit) {
      if (OnMessage && count.lines != count.last_reported) {
        count.last_reported = count.lines;
        ReportRead(count.lines);
      }
      WriteRun();
    }
  }
  return count;
}

void TXRFileSorter::ReportRead(int64_t lines) const {
  DoMessage(std::to_string(lines) + " record(s) read.");
}

void TXRFileSorter::WriteRun(bool write_back) {
  DoMessage("Sorting/Writing to file " + std::to_string(RunCount) + "...");
  const int64_t count = static_cast<int64_t>(ChunkLines.Count());
  SortChunk(ChunkLines, Parser.Keys);
  if (!work_->Made()) {
    work_->Make(NativePath(Parser.TempPath));
    Merger.TempPath = work_->Path();
    Merger.SetMapRuns(FolderInMemory(Merger.TempPath));
  }
  TXRTextFile run;
  run.Open(Merger.RunFileName(RunCount), Parser.RecordLength, kSortBufferSize);
  run.Rewrite(0, false, true);
  if (write_back) run.WriteBackAsWritten();
  // The lines lie in the order they were read: each is fetched a few lines
  // ahead of its copy.
  constexpr size_t kAhead = 64;
  for (size_t i = 0; i < kAhead; ++i) ChunkLines.Prefetch(i);
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    ChunkLines.Prefetch(i + kAhead);
    run.WriteLine(ChunkLines.Line(i));
  }
  run.Close();
  std::vector<RunStretch> stretches;
  if (count > 0) {
    RunStretch whole;
    BuildSortKey(ChunkLines.Line(0), Parser.Keys, whole.first);
    BuildSortKey(ChunkLines.Line(static_cast<size_t>(count - 1)), Parser.Keys, whole.last);
    whole.length = run.Written();
    stretches.push_back(std::move(whole));
  }
  Merger.Stretches[RunCount] = std::move(stretches);
  ++RunCount;
  ChunkLines.Clear();
  ChunkBytes = 0;
}

// Gives the output's name to the final result only when it is whole: the
// final file is renamed over the output, or the result is written beside
// the output and renamed over it. Until then the old output stays. The file
// is synced before its rename and the output's folder after, so that the
// output is the old one or the whole new one after a power cut too.
void TXRFileSorter::MakeOutput(const std::string& final_name, int64_t records) {
  const std::string output = NativePath(Parser.OutputFile);
  RemoveLeftTempOutputs(output);
  int64_t written;
  if (Parser.RemoveDuplicates || Parser.HeaderLines != 0) {
    DoMessage("Processing last file...");
    // An unmapped drive fails as a missing folder does.
    if (output.empty()) RaiseIoErrno(ENOENT, true);
    const std::string temp = TempOutputName(output);
    TXRTextFile out;
    out.Open(temp, Parser.RecordLength, kSortBufferSize);
    out.Rewrite(0, false, true);
    out.WriteBackAsWritten();
    try {
      written = FinishOutput(final_name, out);
      // Synced while its owner may still read it, whatever the mask gives.
      if (!SyncFile(temp)) RaiseIoErrno(errno);
      if (::chmod(temp.c_str(), DefaultFileMode()) != 0) RaiseIoErrno(errno);
      if (::rename(temp.c_str(), output.c_str()) != 0) RaiseIoErrno(errno, true);
    } catch (...) {
      ::unlink(temp.c_str());
      throw;
    }
    SyncFolderOf(output);
  } else {
    // A final file that is missing fails at its move, below.
    if (!output.empty() && !SyncFile(final_name) && errno != ENOENT) RaiseIoErrno(errno);
    ::chmod(final_name.c_str(), DefaultFileMode());
    if (output.empty() || ::rename(final_name.c_str(), output.c_str()) != 0) {
      if (output.empty() || !CopyFileReplace(final_name, output)) {
        RaiseError("Error copying last file");
      }
      ::unlink(final_name.c_str());
    } else {
      SyncFolderOf(output);
    }
    written = records;
  }
  DoMessage(std::to_string(written) + " record(s) written.");
}

int64_t TXRFileSorter::FinishOutput(const std::string& final_name, TXRTextFile& out) {
  TXRTextFile last;
  last.Open(final_name, Parser.RecordLength, kSortBufferSize);
  last.Reset();
  for (const std::string& header : HeaderTexts) out.WriteLine(header);
  int64_t written = static_cast<int64_t>(HeaderTexts.size());
  std::string_view line;
  if (Parser.RemoveDuplicates) {
    TXRTextFile dups;
    const bool with_dups = !Parser.DuplicatesFile.empty();
    if (with_dups) {
      dups.Open(NativePath(Parser.DuplicatesFile), Parser.RecordLength, kSortBufferSize);
      dups.Rewrite(0, false);
    }
    // The last line written, whose key the next line's is compared with.
    std::string previous;
    if (!last.Eof()) {
      line = last.ReadLineView();
      previous.assign(line);
      out.WriteLine(line);
      ++written;
    }
    int64_t duplicates = 0;
    while (!last.Eof()) {
      line = last.ReadLineView();
      if (CompareLines(line, previous, Parser.Keys) != 0) {
        out.WriteLine(line);
        previous.assign(line);
        ++written;
      } else {
        ++duplicates;
        if (with_dups) dups.WriteLine(line);
      }
    }
    DoMessage(std::to_string(duplicates) + " duplicate record(s) ignored.");
    last.Close();
    out.Close();
    if (with_dups) dups.Close();
  } else {
    while (!last.Eof()) {
      out.WriteLine(last.ReadLineView());
      ++written;
    }
    last.Close();
    out.Close();
  }
  ::unlink(final_name.c_str());
  return written;
}

}  // namespace xrsort
