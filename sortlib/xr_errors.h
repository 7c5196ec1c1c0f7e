// The two kinds of failure inside the sorter: the general one and the
// input/output one. Both carry only their message text.
#pragma once

#include <stdexcept>
#include <string>

namespace xrsort {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

class EInOutError : public Exception {
 public:
  explicit EInOutError(const std::string& message) : Exception(message) {}
};

// Raises the general kind with `message`.
[[noreturn]] void RaiseError(const std::string& message);

// The text of a run-time I/O code: 2 "File not found", 3 "Invalid filename",
// 4, 5, 100, 101, 106, others "I/O error <code>".
std::string IoErrorText(int code);

// The run-time I/O code of an errno, 0 when it has none; `creating` tells a
// create from an open of an existing file (a missing folder is then code 3).
int IoCodeFromErrno(int err, bool creating);

// Raises the input/output kind for errno `err` ("I/O error <errno>" when
// the errno has no code).
[[noreturn]] void RaiseIoErrno(int err, bool creating = false);

}  // namespace xrsort
