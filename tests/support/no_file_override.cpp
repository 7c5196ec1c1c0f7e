#include "tests/support/no_file_override.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>

namespace testing_support {

namespace {

__user_cap_header_struct Header() { return {_LINUX_CAPABILITY_VERSION_3, 0}; }

}  // namespace

NoFileOverride::NoFileOverride() {
  __user_cap_header_struct header = Header();
  if (::syscall(SYS_capget, &header, saved_) != 0) return;
  __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3];
  std::memcpy(lowered, saved_, sizeof lowered);
  for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
    lowered[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
  }
  header = Header();
  lowered_ = ::syscall(SYS_capset, &header, lowered) == 0;
}

NoFileOverride::~NoFileOverride() {
  if (!lowered_) return;
  __user_cap_header_struct header = Header();
  ::syscall(SYS_capset, &header, saved_);
}

}  // namespace testing_support
