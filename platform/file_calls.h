// Calls the platform's file classes share: an open that can neither wait nor
// lead elsewhere, the read-only test, and the sync of what was written.
#pragma once

#include <string>

#include "platform/vb_error.h"

// The file status of <sys/stat.h>, which the files that test one include.
struct stat;

namespace vb {

// Opens `native` with `flags` (O_CREAT makes it with `mode` less the umask)
// for `op`, FileOp::OpenRead or FileOp::OpenWrite. The open never waits, as
// it would for a FIFO with no other end, and anything but a regular file is
// refused as a folder in its place is: 75 to read, 70 to write. A failed
// open raises its own error. The descriptor blocks as usual once open and is
// closed on exec.
int OpenFile(const std::string& native, int flags, FileOp op, unsigned mode = 0666);

// The same to write, never through a link in its place: that is refused
// with 70, as anything else but a regular file is.
int OpenNoFollow(const std::string& native, int flags, unsigned mode = 0666);

// Whether the file of status `st` at `native` is a regular file that may
// not be written: no one has write permission (the Windows read-only
// attribute) or this user has none.
bool IsReadOnly(const struct stat& st, const std::string& native);

// Syncs `fd` to the disk; false (errno set) only for a failure that counts:
// a file system that offers no sync (EINVAL, ENOTSUP) has nothing to flush.
bool SyncToDisk(int fd);

}  // namespace vb
