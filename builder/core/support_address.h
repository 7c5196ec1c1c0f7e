// The address the builder's messages for unexpected errors ask users to write to.
#pragma once

#include <string_view>

namespace builder {

inline constexpr std::string_view kSupportAddress = "support@orvane.example";

}  // namespace builder
