#include "tasks/local_address.h"

#include "platform/text.h"

namespace tasks {

namespace {

constexpr int kAddressWidth = 17;

}  // namespace

std::string AddressText(const std::vector<InterfaceAddress>& interfaces) {
  const InterfaceAddress* chosen = nullptr;
  for (const InterfaceAddress& candidate : interfaces) {
    if (!candidate.up || candidate.loopback) continue;
    if (chosen == nullptr || candidate.index < chosen->index) chosen = &candidate;
  }
  const std::string address = chosen != nullptr ? chosen->address : "127.0.0.1";
  return vb::Left(address + std::string(kAddressWidth, ' '), kAddressWidth);
}

std::string LocalAddress() { return AddressText(vb::InterfaceAddresses()); }

}  // namespace tasks
