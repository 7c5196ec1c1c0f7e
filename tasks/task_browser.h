// The manager's walk through the live tasks of its open store: the two
// views, the incomplete-only scan, and the save of the shown task on every
// move.
#pragma once

#include <string>

#include "common/bulletin_record_file.h"

namespace tasks {

// A task as the manager's controls hold it.
struct TaskOnScreen {
  bool incomplete = false;   // Check1
  std::string title;         // Text1
  std::string body;          // Text2, line breaks as CR LF
  std::string submitted_by;  // Text3
  std::string date;          // Label6
  std::string ip_address;    // Label10
  std::string site;          // Combo1
  std::string category;      // Combo2
  int priority = -1;         // "0" to "3" as 0 to 3 (Option3 to Option6); -1 when none is chosen
};

enum class TaskView { kAll, kIncompleteOnly };

class TaskBrowser {
 public:
  // `index` lists the live tasks of the open `store`; the first is shown
  // first, in the incomplete-only view.
  TaskBrowser(common::BulletinRecordFile& store, common::LiveRecordIndex index);

  // The task at the current position, reading past complete and deleted ones
  // in the incomplete-only view. At the end of that view it says so and falls
  // back to all tasks from the first.
  TaskOnScreen ShowCurrentTask();
  // Writes the task as the controls hold it over its record, and syncs it.
  void SaveCurrentTask(const TaskOnScreen& screen);
  // Writes the deleted-task record over the shown task (its edits are not
  // saved), and syncs it.
  void DeleteShownTask();

  void MoveFirst();
  void MoveLast();
  void MovePrevious();
  void MoveNext();
  void ShowAllTasks();
  void ShowOnlyIncompleteTasks();

  TaskView View() const { return view_; }
  // "3 of 12".
  std::string PositionCaption() const;

 private:
  enum class Direction { kForward, kBackward };

  bool IsTaskIncomplete();

  common::BulletinRecordFile& store_;
  common::LiveRecordIndex index_;
  int CurrentPosition = 1;
  Direction ScanDirection = Direction::kForward;
  bool ShownTaskDeleted = false;
  std::string record_;
  TaskView view_ = TaskView::kIncompleteOnly;
};

}  // namespace tasks
