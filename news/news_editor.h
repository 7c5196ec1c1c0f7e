// What the news window does, without the window: the walk through the waiting
// submissions (checking) and through the items of the news store (browsing),
// over the two record files the tool holds open.
#pragma once

#include <optional>
#include <string>

#include "common/bulletin_record_file.h"
#include "common/news_record.h"
#include "common/tool_lock.h"

namespace news {

enum class Mode { kChecking, kBrowsing };

// What the user may change of the item on screen.
struct ItemEdits {
  std::string title;
  std::string body;  // line breaks CR LF
  std::string submitted_by;
  bool approved = false;
};

class NewsEditor {
 public:
  // `tool_folder` ends with a separator.
  explicit NewsEditor(std::string tool_folder);

  // Start-up: the write test, the lock that refuses a second tool in the
  // folder, "ovnews.ini", an approval a stopped run left, the submissions and
  // the first item shown. Messages go through vb::MsgBox; the roads that end
  // the program end it through vb::End().
  void Start();

  Mode mode() const { return mode_; }
  // The item on screen, its fields trimmed; `status` tells whether it is approved.
  const common::NewsItem& shown() const { return shown_; }
  // "n of N": the newest item is 1.
  std::string PositionText() const;

  // The window's buttons. A file operation that fails shows "Error Code: n
  // detected." and ends the program.
  void ApproveItem(const ItemEdits& edits);
  // False when the user keeps the item: nothing changes, the boxes included.
  bool DeleteItem();
  void ShowNewest(const ItemEdits& edits);  // First
  void ShowOldest(const ItemEdits& edits);  // Last
  void ShowNewer(const ItemEdits& edits);   // left arrow
  void ShowOlder(const ItemEdits& edits);   // right arrow
  void Quit(const ItemEdits& edits);
  void CreatePage(const ItemEdits& edits);

 private:
  void ReadSettings();
  void OpenSubmissions();
  void LoadApprovedNews();
  void ShowItem();
  void ShowSubmittedItem();
  void ShowApprovedItem();
  void SaveCurrentItem(const ItemEdits& edits);
  void ClearSubmissionsIfDone();
  void Move(const ItemEdits& edits, int new_index);
  void CloseAll();
  template <typename F>
  void AfterStartup(F&& action);

  std::string tool_folder_;
  std::string submission_folder_;
  common::LiveRecordIndex item_index_;
  int item_count_ = 0;
  int current_index_ = 0;
  bool deleted_flag_ = false;
  Mode mode_ = Mode::kChecking;
  common::NewsItem shown_;
  // In checking, the submissions and the news store; in browsing, the store.
  common::BulletinRecordFile first_;
  common::BulletinRecordFile second_;
  // Held from start-up to the end of the run: one news tool per folder.
  std::optional<common::ToolLock> lock_;
};

}  // namespace news
