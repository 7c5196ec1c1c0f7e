#include "tasks/task_browser.h"

#include "platform/msgbox.h"
#include "tasks/task_record.h"

namespace tasks {

namespace {

constexpr size_t kPriorityOffset = kTaskRecordLength - 1;

// The option a stored priority selects: a blank or "0" to "3"; none for any
// other code.
int PriorityOption(char priority) {
  if (priority == ' ') return 0;
  return priority >= '0' && priority <= '3' ? priority - '0' : -1;
}

}  // namespace

TaskBrowser::TaskBrowser(common::BulletinRecordFile& store, common::LiveRecordIndex index)
    : store_(store), index_(std::move(index)) {}

TaskOnScreen TaskBrowser::ShowCurrentTask() {
  for (;;) {
    if (CurrentPosition < 1) {
      CurrentPosition = 1;
      ScanDirection = Direction::kForward;
    }
    if (CurrentPosition > index_.Count()) {
      CurrentPosition = index_.Count();
      ScanDirection = Direction::kBackward;
      if (view_ == TaskView::kIncompleteOnly) {
        vb::MsgBox("There are no more incomplete tasks.  Reverting to show ALL tasks.", vb::vbInformation,
                   "No More Incompletes");
        view_ = TaskView::kAll;
        CurrentPosition = 1;
        ScanDirection = Direction::kForward;
        continue;
      }
    }
    record_ = store_.ReadRecordAt(index_(CurrentPosition));
    if (view_ == TaskView::kAll || IsTaskIncomplete()) break;
  }
  const TaskFields task = ReadTaskFields(record_);
  ShownTaskDeleted = task.status == kDeleted;
  return {task.status == kIncomplete, task.title,      task.body,     task.submitted_by, task.date_text,
          task.ip_address,            task.site,       task.category, PriorityOption(task.priority)};
}

bool TaskBrowser::IsTaskIncomplete() {
  if (common::StatusOf(record_) == kIncomplete) return true;
  CurrentPosition += ScanDirection == Direction::kBackward ? -1 : 1;
  return false;
}

void TaskBrowser::SaveCurrentTask(const TaskOnScreen& screen) {
  const char status = ShownTaskDeleted ? kDeleted : screen.incomplete ? kIncomplete : kComplete;
  const char priority =
      screen.priority >= 0 && screen.priority <= 3 ? static_cast<char>('0' + screen.priority) : record_[kPriorityOffset];
  store_.WriteRecordAt(index_(CurrentPosition),
                       BuildTaskRecord(status, screen.title, screen.body, screen.submitted_by, screen.date,
                                       screen.ip_address, screen.site, screen.category, priority));
  store_.Sync();
}

void TaskBrowser::DeleteShownTask() {
  store_.WriteRecordAt(index_(CurrentPosition), DeletedTaskRecord());
  store_.Sync();
  ShownTaskDeleted = true;
}

void TaskBrowser::MoveFirst() { CurrentPosition = 1; }

void TaskBrowser::MoveLast() { CurrentPosition = index_.Count(); }

void TaskBrowser::MovePrevious() {
  ScanDirection = Direction::kBackward;
  --CurrentPosition;
}

void TaskBrowser::MoveNext() {
  ScanDirection = Direction::kForward;
  ++CurrentPosition;
}

void TaskBrowser::ShowAllTasks() { view_ = TaskView::kAll; }

void TaskBrowser::ShowOnlyIncompleteTasks() {
  view_ = TaskView::kIncompleteOnly;
  ScanDirection = Direction::kForward;
}

std::string TaskBrowser::PositionCaption() const {
  return std::to_string(CurrentPosition) + " of " + std::to_string(index_.Count());
}

}  // namespace tasks
