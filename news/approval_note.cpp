#include "news/approval_note.h"

#include <charconv>

#include "common/bulletin_record_file.h"
#include "common/news_record.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "platform/vb_error.h"

namespace news {

namespace {

constexpr const char* kNoteName = "ovnews.apr";
// Longer than any note: a file past it is not one, and is not read whole.
constexpr std::int64_t kLongestNote = 64;
constexpr int L = common::kNewsRecordLength;

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  return !text.empty() && error == std::errc() && stop == end;
}

// The note at `path`; none for what cannot be read as one (anything but a
// file of a note's length included).
std::optional<ApprovalNote> ReadNote(const std::string& path) {
  try {
    if (vb::FileLen(path) > kLongestNote) return std::nullopt;
    return ApprovalNote::Parse(vb::ReadFileBytes(path));
  } catch (const vb::Error&) {
    return std::nullopt;
  }
}

// Finishes the approval of `note` on the store and the submissions.
void Finish(const ApprovalNote& note, const std::string& tool_folder, const std::string& submission_folder) {
  common::BulletinRecordFile store;
  store.Open(tool_folder + "ovnews.dat", L);
  const std::int64_t length = store.Lof();
  if (length <= note.store_length) return;  // nothing appended
  // The item goes where an append after the noted length puts it.
  const std::int64_t item_end =
      static_cast<std::int64_t>(common::NextRecordNumberOfLength(note.store_length, L)) * L;
  if (length < item_end) {
    store.TruncateTo(note.store_length);
    store.Sync();
    return;
  }
  common::BulletinRecordFile submissions;
  submissions.Open(submission_folder + "ovnewssub.dat", L);
  if (note.submission > submissions.RecordCount()) return;
  submissions.WriteRecordAt(note.submission, common::ProcessedSubmissionRecord());
  submissions.Sync();
}

}  // namespace

std::string ApprovalNote::Text() const {
  return std::to_string(submission) + " " + std::to_string(store_length) + "\r\n";
}

std::optional<ApprovalNote> ApprovalNote::Parse(std::string_view bytes) {
  ApprovalNote note;
  const size_t blank = bytes.find(' ');
  if (blank == std::string_view::npos || bytes.size() < blank + 3 || bytes.substr(bytes.size() - 2) != "\r\n" ||
      !ParseNumber(bytes.substr(0, blank), note.submission) ||
      !ParseNumber(bytes.substr(blank + 1, bytes.size() - blank - 3), note.store_length) || note.submission < 1 ||
      note.store_length < 0) {
    return std::nullopt;
  }
  return note;
}

void WriteApprovalNote(const std::string& tool_folder, const ApprovalNote& note) {
  vb::ReplaceFile(tool_folder + kNoteName, note.Text(), vb::ReplaceRules());
}

void RemoveApprovalNote(const std::string& tool_folder) { vb::RemoveFile(tool_folder + kNoteName); }

void FinishStoppedApproval(const std::string& tool_folder, const std::string& submission_folder) {
  const std::string path = tool_folder + kNoteName;
  if (!vb::FileExists(path)) return;
  if (const std::optional<ApprovalNote> note = ReadNote(path)) Finish(*note, tool_folder, submission_folder);
  RemoveApprovalNote(tool_folder);
}

}  // namespace news
