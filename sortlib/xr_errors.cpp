#include "sortlib/xr_errors.h"

#include <cerrno>

namespace xrsort {

void RaiseError(const std::string& message) { throw Exception(message); }

std::string IoErrorText(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

int IoCodeFromErrno(int err, bool creating) {
  switch (err) {
    case ENOENT: return creating ? 3 : 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ETXTBSY: return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 101;
    case EBADF: return 103;
    default: return 0;
  }
}

void RaiseIoErrno(int err, bool creating) {
  const int code = IoCodeFromErrno(err, creating);
  throw EInOutError(code != 0 ? IoErrorText(code) : "I/O error " + std::to_string(err));
}

}  // namespace xrsort
