#include "builder/install/copy_one.h"

#include "platform/replace_file.h"

namespace builder {

void CopyOne(const std::string& source, const std::string& target) {
  // The copy takes the target's place whole: a running program, a planted
  // link or a read-only file there is replaced, never written through. It is
  // an ordinary file, or a program that may be run wherever it may be read.
  vb::ReplaceWithCopy(source, target, vb::ReplaceRules{});
}

}  // namespace builder
