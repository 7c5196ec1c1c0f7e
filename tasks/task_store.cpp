#include "tasks/task_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/paths.h"
#include "platform/vb_error.h"
#include "tasks/task_record.h"

namespace tasks {

namespace {

// Opens a lock file, creating it so that every user who may write the folder
// may lock it too; a link in its place is refused.
int OpenLockFile(const std::string& path) {
  const std::string native = vb::Resolve(path).string();
  const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) vb::RaiseErrno(errno == ELOOP ? EACCES : errno, vb::FileOp::OpenWrite, native);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid()) ::fchmod(fd, 0666);
  return fd;
}

// Locks the whole file for writing, waiting when `wait`; false when another
// holds it and not waiting. Locks of the open file, not of the process, so
// that two opens in one process keep apart too.
bool LockWhole(int fd, bool wait, const std::string& path) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  while (::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &whole) != 0) {
    if (errno == EINTR) continue;
    if (!wait && (errno == EAGAIN || errno == EACCES)) return false;
    vb::RaiseErrno(errno, vb::FileOp::OpenWrite, vb::Resolve(path));
  }
  return true;
}

}  // namespace

std::string TaskStorePath(const std::string& tool_folder) {
  return tool_folder + kTaskStoreStem + ".dat";
}

void AppendTaskRecord(const std::string& tool_folder, const NewTask& task) {
  const std::string record = BuildTaskRecord(kIncomplete, task.subject, task.description, task.submitted_by,
                                             task.date_text, task.ip_address, task.site, task.category, '0');
  StoreLock lock(tool_folder);
  common::BulletinRecordFile store;
  store.Open(TaskStorePath(tool_folder), kTaskRecordLength);
  store.AppendRecord(record);
  store.Sync();
}

void RestoreTaskStore(const std::string& tool_folder) {
  StoreLock lock(tool_folder);
  common::RestoreCompactedStore(tool_folder, kTaskStoreStem);
}

std::vector<std::string> ReadTaskRecords(const common::BulletinRecordFile& store) {
  std::vector<std::string> records;
  const int n = store.RecordCount();
  for (int k = 1; k <= n; ++k) records.push_back(store.ReadRecordAt(k));
  return records;
}

StoreLock::StoreLock(const std::string& tool_folder) {
  const std::string path = tool_folder + "ovtask.lck";
  fd_ = OpenLockFile(path);
  try {
    LockWhole(fd_, true, path);
  } catch (...) {
    ::close(fd_);
    throw;
  }
}

StoreLock::~StoreLock() { ::close(fd_); }

ManagerLock::ManagerLock(const std::string& tool_folder) {
  const std::string path = tool_folder + "ovtaskgen.lck";
  fd_ = OpenLockFile(path);
  try {
    held_ = LockWhole(fd_, false, path);
  } catch (...) {
    ::close(fd_);
    throw;
  }
}

ManagerLock::~ManagerLock() { ::close(fd_); }

}  // namespace tasks
