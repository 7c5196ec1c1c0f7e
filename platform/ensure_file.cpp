#include "platform/ensure_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/file_calls.h"
#include "platform/paths.h"

namespace vb {

void EnsureFile(std::string_view path) {
  ::close(OpenNoFollow(Resolve(path).string(), O_RDWR | O_CREAT));
}

}  // namespace vb
