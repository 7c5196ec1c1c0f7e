// Sets aside, for this thread while it lives, root's right to read and write
// files whatever their modes, so that a file made read-only is one that no
// account may write; for any other account it changes nothing.
#pragma once

#include <linux/capability.h>

namespace testing_support {

class NoFileOverride {
 public:
  NoFileOverride();
  ~NoFileOverride();
  NoFileOverride(const NoFileOverride&) = delete;
  NoFileOverride& operator=(const NoFileOverride&) = delete;

 private:
  __user_cap_data_struct saved_[_LINUX_CAPABILITY_U32S_3]{};
  bool lowered_ = false;
};

}  // namespace testing_support
