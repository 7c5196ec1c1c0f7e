// Two calls the platform's file classes share: opening a file without
// following a link in its place, and syncing what was written to the disk.
#pragma once

#include <string>

namespace vb {

// Opens `native` with `flags` (O_CREAT makes it with `mode` less the umask),
// never through a link in its place: that is refused with 70, as any other
// failure raises its own error. The descriptor is closed on exec.
int OpenNoFollow(const std::string& native, int flags, unsigned mode = 0666);

// Syncs `fd` to the disk; false (errno set) only for a failure that counts:
// a file system that offers no sync (EINVAL, ENOTSUP) has nothing to flush.
bool SyncToDisk(int fd);

}  // namespace vb
