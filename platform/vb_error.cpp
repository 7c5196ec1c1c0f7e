#include "platform/vb_error.h"

#include <cerrno>
#include <system_error>

namespace vb {

Error::Error(int number, const std::string& what)
    : std::runtime_error(what.empty() ? "error " + std::to_string(number) : what),
      number_(number) {}

void Raise(int number, const std::string& what) { throw Error(number, what); }

namespace {

bool ParentExists(const std::filesystem::path& path) {
  std::error_code ec;
  auto parent = path.parent_path();
  if (parent.empty()) return true;
  return std::filesystem::is_directory(parent, ec);
}

}  // namespace

int ErrorNumberFromErrno(int err, FileOp op, const std::filesystem::path& path) {
  switch (err) {
    case ENOENT:
      if (op == FileOp::MkDir || op == FileOp::ChDir) return 76;
      return ParentExists(path) ? 53 : 76;
    case ENOTDIR:
      return 76;
    case EEXIST:
      return op == FileOp::Rename ? 58 : 75;
    case EISDIR:
      // A folder where a file is to be written cannot be passed over as an
      // existing folder is: it is a failure to write.
      return op == FileOp::OpenWrite || op == FileOp::Write ? 70 : 75;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
      return 70;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return 61;
    case EIO:
      return 57;
    case ENOMEDIUM:
      return 71;
    case EMFILE:
    case ENFILE:
      return 67;
    case EXDEV:
      return 74;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
    case ELOOP:
      return 76;
    default:
      return 57;
  }
}

void RaiseErrno(int err, FileOp op, const std::filesystem::path& path) {
  const int number = ErrorNumberFromErrno(err, op, path);
  throw Error(number, path.string() + ": " + std::generic_category().message(err));
}

void End(int exit_code) { throw EndProgram{exit_code}; }

}  // namespace vb
