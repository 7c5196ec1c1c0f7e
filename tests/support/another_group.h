// Gives a test's file a group other than its own, as the staff's shared
// group would be, so that a writer can be seen to keep it.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace testing_support {

// Gives `file` a group other than its own that this account may give it: any,
// for an account that may change a file's group at will; else one it belongs
// to. The group given; none when this account may give no other.
std::optional<gid_t> GiveAnotherGroup(const std::filesystem::path& file);

}  // namespace testing_support
