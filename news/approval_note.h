// The note the news tool keeps beside its store, "ovnews.apr", while it
// approves an item, so that a run stopped between the item's append and its
// submission's mark is finished by the next start rather than repeated.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace news {

// Which submission is being approved, and the store's length before the
// item's append. The note's bytes: the two numbers in decimal, one blank
// between, then CR LF.
struct ApprovalNote {
  std::int32_t submission = 0;
  std::int64_t store_length = 0;

  std::string Text() const;
  // The note of `bytes`; none for anything else (torn or foreign bytes).
  static std::optional<ApprovalNote> Parse(std::string_view bytes);
};

// Written whole and synced, with its folder, before the item's append.
void WriteApprovalNote(const std::string& tool_folder, const ApprovalNote& note);
// Removed, the removal synced, once the submission is marked.
void RemoveApprovalNote(const std::string& tool_folder);

// At start-up, with the note a stopped run left: the store shows what the
// run did. An item appended whole has its submission marked processed; one
// appended in part is cut off again, as a failed append is, and the
// submission waits, as it does where nothing was appended. A note that cannot
// be read as one tells nothing and is passed over: the submission then waits
// as it stands, so an item may be approved twice but none is lost. The note is
// removed. `submission_folder` ends with a separator.
void FinishStoppedApproval(const std::string& tool_folder, const std::string& submission_folder);

}  // namespace news
