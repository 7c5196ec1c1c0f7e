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
// open raises its own error. The descriptor is closed on exec; it keeps the
// flag that lets the open not wait, which changes nothing for a regular file.
// With `st`, the status of the open file is given there; a file the open
// made (O_CREAT | O_EXCL) is a new regular file and is not looked at, and
// then only its kind is given.
int OpenFile(const std::string& native, int flags, FileOp op, unsigned mode = 0666,
             struct stat* st = nullptr);

// The same to write, never through a link in its place: that is refused
// with 70, as anything else but a regular file is.
int OpenNoFollow(const std::string& native, int flags, unsigned mode = 0666,
                 struct stat* st = nullptr);

// Copies the rest of `in` to `out` from where each stands; `size` is what
// `in` held when it was looked at, so that the copy ends without a further
// call to find the end. The bytes go inside the kernel where the two file
// systems allow it, else by read and write. False with errno set when a
// read (`read_failed`) or a write fails.
bool CopyRest(int in, int out, off_t size, bool& read_failed);

// Whether the file of status `st` at `native` is a regular file that may
// not be written: no one has write permission (the Windows read-only
// attribute) or this user has none.
bool IsReadOnly(const struct stat& st, const std::string& native);

// Syncs `fd` to the disk; false (errno set) only for a failure that counts:
// a file system that offers no sync (EINVAL, ENOTSUP) has nothing to flush.
bool SyncToDisk(int fd);

}  // namespace vb
