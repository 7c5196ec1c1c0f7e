#include <thread>

#include "builder/install/install_window.h"
#include "sortlib/sort_loader.h"

namespace builder {

InstallServices DefaultInstallServices() {
  InstallServices services;
  services.sort_file = [](const std::string& program_folder, const std::string& command,
                          std::string& error_text) {
    if (xrsort::SortFile(program_folder, command) != 0) return true;
    error_text = xrsort::LastSortError(program_folder);
    return false;
  };
  services.wait = [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); };
  return services;
}

}  // namespace builder
