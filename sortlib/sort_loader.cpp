#include "sortlib/sort_loader.h"

#include <dlfcn.h>

#include <vector>

#include "platform/vb_error.h"
#include "sortlib/XRsortLib.h"

namespace xrsort {

namespace {

struct Library {
  XRSortFileProc sort_file = nullptr;
  XRGetLastErrorStrProc get_last_error = nullptr;
};

// Loaded once and kept for the life of the program.
const Library& Load(const std::string& program_folder) {
  static Library library;
  if (library.sort_file != nullptr) return library;
  const std::string path = program_folder + XRSORTLIB_FILE_NAME;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) vb::Raise(53, path + ": " + ::dlerror());
  void* sort_file = ::dlsym(handle, "SortFile");
  void* get_last_error = ::dlsym(handle, "GetLastErrorStr");
  if (sort_file == nullptr || get_last_error == nullptr) {
    ::dlclose(handle);
    vb::Raise(453, path + ": a sort call is missing");
  }
  library.sort_file = reinterpret_cast<XRSortFileProc>(sort_file);
  library.get_last_error = reinterpret_cast<XRGetLastErrorStrProc>(get_last_error);
  return library;
}

}  // namespace

int32_t SortFile(const std::string& program_folder, const std::string& command_line) {
  return Load(program_folder).sort_file(command_line.c_str(), nullptr);
}

std::string LastSortError(const std::string& program_folder) {
  const Library& library = Load(program_folder);
  std::vector<char> buffer(1024);
  if (library.get_last_error(buffer.data(), static_cast<uint32_t>(buffer.size() - 1)) == 0) {
    return {};
  }
  return buffer.data();
}

}  // namespace xrsort
