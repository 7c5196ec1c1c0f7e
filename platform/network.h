// The computer's network interfaces, as the system lists them.
#pragma once

#include <string>
#include <vector>

namespace vb {

// One IPv4 address of one network interface.
struct InterfaceAddress {
  unsigned index;        // the interface's index
  bool up;               // up and running
  bool loopback;
  std::string address;   // dotted form
};

// Every IPv4 address of every interface, in the system's order; none when
// the system cannot list them.
std::vector<InterfaceAddress> InterfaceAddresses();

}  // namespace vb
