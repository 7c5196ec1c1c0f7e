#include "builder/install/copy_one.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace builder {

void CopyOne(const std::string& source, const std::string& target) {
  const std::filesystem::path native = vb::Resolve(target);
  // The copy is made beside the target under a hidden name and then takes its place.
  const std::filesystem::path beside =
      native.parent_path() / ("." + native.filename().string() + ".copying");
  try {
    vb::FileCopy(source, vb::NativeToText(beside));
  } catch (...) {
    std::error_code ec;
    std::filesystem::remove(beside, ec);
    throw;
  }
  if (std::rename(beside.c_str(), native.c_str()) != 0) {
    const int err = errno;
    std::error_code ec;
    std::filesystem::remove(beside, ec);
    // The copy takes the target's place as its writing would: a folder there
    // is a failure to write, not an existing folder to pass over.
    vb::RaiseErrno(err, vb::FileOp::Write, native);
  }
}

}  // namespace builder
