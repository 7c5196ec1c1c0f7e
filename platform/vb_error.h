// Run-time errors as the programs' handlers see them: one error type that
// carries the run-time error number (53 file not found, 75 path/file access ...).
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vb {

class Error : public std::runtime_error {
 public:
  Error(int number, const std::string& what);
  int number() const { return number_; }

 private:
  int number_;
};

// Raises error `number`; `what` says where, for a reader of the message.
[[noreturn]] void Raise(int number, const std::string& what = {});

// The kind of file operation that failed; one errno means different
// run-time errors for different operations.
enum class FileOp { MkDir, OpenRead, OpenWrite, Read, Write, Lock, Remove, Rename, Copy, ChDir, Query };

// Maps an errno of `op` on `path` to the run-time error number.
int ErrorNumberFromErrno(int err, FileOp op, const std::filesystem::path& path);
[[noreturn]] void RaiseErrno(int err, FileOp op, const std::filesystem::path& path);

// Thrown by End(): unwinds to the event guard, closing every open file on the
// way, and the guard then ends the program.
struct EndProgram {
  int exit_code = 0;
};
[[noreturn]] void End(int exit_code = 0);

}  // namespace vb
