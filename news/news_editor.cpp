#include "news/news_editor.h"

#include "common/bulletin_startup.h"
#include "news/approval_note.h"
#include "news/news_page.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/vb_error.h"

namespace news {

namespace {

constexpr int L = common::kNewsRecordLength;
constexpr const char* kNoNewsTitle = "No news. :(";

}  // namespace

NewsEditor::NewsEditor(std::string tool_folder) : tool_folder_(std::move(tool_folder)) {}

void NewsEditor::Start() {
  common::CheckFolderWriteAccess(common::kNewsTool, tool_folder_);
  try {
    lock_.emplace(tool_folder_, "ovnewsgen.lck");
    if (!lock_->held()) {
      vb::MsgBox("The news tool is already open.  Close it before starting it again.", vb::vbCritical, "Sorry");
      vb::End();
    }
    common::RestoreCompactedStore(tool_folder_, "ovnews");
    ReadSettings();
    FinishStoppedApproval(tool_folder_, submission_folder_);
    OpenSubmissions();
  } catch (const vb::Error& error) {
    CloseAll();
    if (error.number() == 62 || error.number() == 53) {
      vb::MsgBox(
          "The server path for new item submissions has not yet been set.  You need to run the Submit News "
          "Utility to configure it first.  Click OK to quit.",
          vb::vbExclamation, "Not Yet Configured!");
    } else {
      vb::MsgBox(common::ErrorCodeText(error.number(), " detected during ini read."), vb::vbOKOnly);
    }
    vb::End();
  }
}

void NewsEditor::ReadSettings() {
  vb::LineReader ini(tool_folder_ + "ovnews.ini", /*lf_ends_line=*/true);
  submission_folder_ = ini.LineInput();
  if (submission_folder_.empty() || submission_folder_.back() != '\\') submission_folder_ += '\\';
}

void NewsEditor::OpenSubmissions() {
  first_.Open(submission_folder_ + "ovnewssub.dat", L);
  item_index_ = common::ScanLiveRecords(first_);
  item_count_ = item_index_.Count();
  if (item_count_ == 0) {
    first_.Close();
    vb::MsgBox("There are no new items of news to check.", vb::vbInformation, kNoNewsTitle);
    LoadApprovedNews();
    mode_ = Mode::kBrowsing;
    ShowApprovedItem();
    return;
  }
  vb::MsgBox("There are " + std::to_string(item_count_) +
                 " new items of news to check.  Please go through each item and either Delete or Approve the "
                 "item for publication.  You can make changes to each news item before approving it if "
                 "required.",
             vb::vbInformation, "News Items require checking");
  second_.Open(tool_folder_ + "ovnews.dat", L);
  mode_ = Mode::kChecking;
  current_index_ = 1;
  ShowSubmittedItem();
}

// A store without a live item is as empty as one without records: there is
// nothing to show, and the tool ends.
void NewsEditor::LoadApprovedNews() {
  CloseAll();
  first_.Open(tool_folder_ + "ovnews.dat", L);
  item_index_ = common::ScanLiveRecords(first_);
  item_count_ = item_index_.Count();
  if (item_count_ == 0) {
    first_.Close();
    vb::MsgBox("There is no news in the database.  Please submit some news items first!", vb::vbInformation,
               kNoNewsTitle);
    vb::End();
  }
  current_index_ = item_count_;
}

std::string NewsEditor::PositionText() const {
  return std::to_string(item_count_ - current_index_ + 1) + " of " + std::to_string(item_count_);
}

void NewsEditor::ShowItem() { shown_ = common::NewsItemOf(first_.ReadRecordAt(item_index_(current_index_))); }

void NewsEditor::ShowSubmittedItem() {
  if (current_index_ > item_count_) {
    vb::MsgBox("All newly submitted news items have been checked.  Click OK to continue.", vb::vbInformation,
               "Checking complete");
    ClearSubmissionsIfDone();
    mode_ = Mode::kBrowsing;
    LoadApprovedNews();
    ShowApprovedItem();
    return;
  }
  ShowItem();
  // The approval box is hidden while checking and stays unticked, so a
  // submission saved on Quit stays waiting.
  shown_.status = '0';
  deleted_flag_ = false;
}

void NewsEditor::ShowApprovedItem() {
  if (current_index_ < 1) current_index_ = 1;
  if (current_index_ > item_count_) current_index_ = item_count_;
  ShowItem();
  deleted_flag_ = shown_.status == 'D';
}

void NewsEditor::SaveCurrentItem(const ItemEdits& edits) {
  const char status = deleted_flag_ ? 'D' : edits.approved ? '1' : '0';
  first_.WriteRecordAt(item_index_(current_index_),
                       common::BuildNewsRecord(status, edits.title, edits.body, edits.submitted_by,
                                               shown_.date_text, shown_.ip_address));
  first_.Sync();
}

// Empties the submissions file when nothing in it waits, unless something
// was appended after the count or is still being appended (a partial record).
void NewsEditor::ClearSubmissionsIfDone() {
  const std::int64_t length = first_.Lof();
  if (length % L != 0) return;
  const int n = common::RecordCountOfLength(length, L);
  for (int k = 1; k <= n; ++k) {
    if (!common::IsDeadRecord(first_.ReadRecordAt(k))) return;
  }
  first_.TruncateIfLength(length);
  CloseAll();
}

template <typename F>
void NewsEditor::AfterStartup(F&& action) {
  try {
    action();
  } catch (const vb::Error& error) {
    CloseAll();
    vb::MsgBox(common::ErrorCodeText(error.number(), " detected."), vb::vbOKOnly);
    vb::End();
  }
}

void NewsEditor::ApproveItem(const ItemEdits& edits) {
  AfterStartup([&] {
    // The item is in the store before its submission is marked processed,
    // and on the disk before its mark, so before the submissions file is
    // emptied. An append that fails part-way, its sync included, leaves the
    // store as it was. The note written first lets the next start finish an
    // approval stopped between the append and the mark, which would
    // otherwise leave the item stored and still waiting.
    const int submission = item_index_(current_index_);
    WriteApprovalNote(tool_folder_, {submission, second_.Lof()});
    second_.AppendRecord(common::BuildNewsRecord('1', edits.title, edits.body, edits.submitted_by,
                                                 shown_.date_text, shown_.ip_address),
                         /*sync=*/true);
    first_.WriteRecordAt(submission, common::ProcessedSubmissionRecord());
    first_.Sync();
    RemoveApprovalNote(tool_folder_);
    ++current_index_;
    ShowSubmittedItem();
  });
}

bool NewsEditor::DeleteItem() {
  if (vb::MsgBox("Are you sure you want to delete this news submission?", vb::vbYesNo, "Verify") != vb::vbYes) {
    return false;
  }
  AfterStartup([&] {
    first_.WriteRecordAt(item_index_(current_index_), common::DeletedItemRecord());
    first_.Sync();
    deleted_flag_ = true;
    if (mode_ == Mode::kChecking) {
      ++current_index_;
      ShowSubmittedItem();
    } else {
      ShowApprovedItem();
    }
  });
  return true;
}

void NewsEditor::Move(const ItemEdits& edits, int new_index) {
  AfterStartup([&] {
    SaveCurrentItem(edits);
    current_index_ = new_index;
    ShowApprovedItem();
  });
}

void NewsEditor::ShowNewest(const ItemEdits& edits) { Move(edits, item_count_); }
void NewsEditor::ShowOldest(const ItemEdits& edits) { Move(edits, 1); }
void NewsEditor::ShowNewer(const ItemEdits& edits) { Move(edits, current_index_ + 1); }
void NewsEditor::ShowOlder(const ItemEdits& edits) { Move(edits, current_index_ - 1); }

void NewsEditor::Quit(const ItemEdits& edits) {
  AfterStartup([&] { SaveCurrentItem(edits); });
  CloseAll();
  vb::End();
}

void NewsEditor::CreatePage(const ItemEdits& edits) {
  AfterStartup([&] {
    SaveCurrentItem(edits);
    CreateNewsPage(first_, tool_folder_);
  });
}

void NewsEditor::CloseAll() {
  first_.Close();
  second_.Close();
}

}  // namespace news
