#include "common/page_file.h"

#include "platform/replace_file.h"
#include "platform/vb_error.h"

namespace common {

namespace {

// A page is replaced only by a complete new one in the old page's mode, never
// through a link, and never when it is read-only: the school may have made
// it so to keep it. Its temporary file tells the program, computer and
// process that write it, so the next run can remove one a killed run left.
vb::ReplaceRules PageRules() {
  vb::ReplaceRules rules;
  rules.refuse_other_than_file = true;
  rules.refuse_read_only = true;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  return rules;
}

}  // namespace

void PageFile::Open() {
  open_ = false;
  vb::CheckReplaceable(path_, PageRules());
  text_.clear();
  open_ = true;
}

void PageFile::Print(std::string_view line) {
  if (!open_) vb::Raise(52, "bad file name or number");
  text_ += line;
  text_ += "\r\n";
}

void PageFile::Commit() {
  if (!open_) vb::Raise(52, "bad file name or number");
  open_ = false;
  vb::ReplaceFile(path_, text_, PageRules());
}

}  // namespace common
