// The run-time error number a statement raises, 0 when it raises none.
#pragma once

#include <functional>

#include "platform/vb_error.h"

namespace testing_support {

inline int ErrorOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const vb::Error& error) {
    return error.number();
  }
  return 0;
}

}  // namespace testing_support
