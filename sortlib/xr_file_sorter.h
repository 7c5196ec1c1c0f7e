// Sorts one text file into another under one command line: sorted runs
// within a memory budget, merged into one, turned into the output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sortlib/xr_line_list.h"
#include "sortlib/xr_merge.h"
#include "sortlib/xr_sort_parser.h"
#include "sortlib/xr_text_file.h"
#include "sortlib/xr_work_files.h"

namespace xrsort {

class TXRFileSorter {
 public:
  TXRFileSorter();

  // The whole sort; raises with the failure's message.
  void Sort(const std::string& command_line);
  void DoMessage(const std::string& text) const;

  void* LogWindow = nullptr;  // the caller's log sink, for the default handler
  TXRMessageHandler OnMessage;
  TXRSortParser Parser;
  TXRFileMerge Merger;
  std::vector<std::string> HeaderTexts;  // the header lines, kept aside unsorted
  TXRLineList ChunkLines;
  int32_t RunCount = 0;
  uint64_t ChunkBytes = 0;

 private:
  // What reading the input counted: its lines (headers included), the blank
  // lines skipped, and the count last reported as read.
  struct InputCount {
    int64_t lines = 0;
    int64_t skipped = 0;
    int64_t last_reported = 0;
  };
  // Parses the command line and takes its settings and the message handler.
  void ReadSettings(const std::string& command_line);
  // The input's native name, once it is known to exist and the duplicates
  // file is neither it nor the output.
  std::string CheckedInputName() const;
  // Reads the headers, then the lines into runs as the budget fills.
  InputCount ReadInput(TXRTextFile& input);
  void ReportRead(int64_t lines) const;
  // Sorts and writes the run; `write_back`: the run is the final file, to go
  // on to the disk as it is written.
  void WriteRun(bool write_back = false);
  // Writes the headers and the final file's lines into `out`, created already.
  int64_t FinishOutput(const std::string& final_name, TXRTextFile& out);
  void MakeOutput(const std::string& final_name, int64_t records);

  WorkFolder* work_ = nullptr;  // the sort's private folder, while it runs
};

// A whole number with the locale's thousands separator ("1,048,576").
std::string GroupedNumber(uint64_t value);

}  // namespace xrsort
