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
  void WriteRun();
  // Writes the headers and the final file's lines into `out`, created already.
  int64_t FinishOutput(const std::string& final_name, TXRTextFile& out);
  void MakeOutput(const std::string& final_name, int64_t records);

  WorkFolder* work_ = nullptr;  // the sort's private folder, while it runs
};

// A whole number with the locale's thousands separator ("1,048,576").
std::string GroupedNumber(uint64_t value);

}  // namespace xrsort
