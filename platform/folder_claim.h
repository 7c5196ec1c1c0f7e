// A claim on a folder that lasts as long as the object: while it lasts,
// another claim on the same folder, from this program or another, is refused.
// Claiming writes nothing into the folder.
#pragma once

#include <optional>
#include <string_view>

namespace vb {

class FolderClaim {
 public:
  // Claims the folder at `path` (Windows form or native). Empty when another
  // claim holds it. A folder that cannot be claimed (missing, or on a file
  // system without locks) gives a claim that holds nothing.
  static std::optional<FolderClaim> Take(std::string_view path);

  FolderClaim(FolderClaim&& other) noexcept;
  FolderClaim& operator=(FolderClaim&& other) noexcept;
  FolderClaim(const FolderClaim&) = delete;
  FolderClaim& operator=(const FolderClaim&) = delete;
  ~FolderClaim();

 private:
  explicit FolderClaim(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace vb
