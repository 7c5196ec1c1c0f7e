#include "platform/network.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace vb {

std::vector<InterfaceAddress> InterfaceAddresses() {
  std::vector<InterfaceAddress> interfaces;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return interfaces;
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    char dotted[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    if (::inet_ntop(AF_INET, &in->sin_addr, dotted, sizeof dotted) == nullptr) continue;
    const unsigned flags = entry->ifa_flags;
    interfaces.push_back({::if_nametoindex(entry->ifa_name),
                          (flags & IFF_UP) != 0 && (flags & IFF_RUNNING) != 0,
                          (flags & IFF_LOOPBACK) != 0, dotted});
  }
  ::freeifaddrs(list);
  return interfaces;
}

}  // namespace vb
