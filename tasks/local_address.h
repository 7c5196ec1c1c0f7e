// The computer's own address, as the submitter stores it with every request
// it appends: the first IPv4 address of an interface that is up.
#pragma once

#include <string>
#include <vector>

#include "platform/network.h"

namespace tasks {

// One IPv4 address of one network interface, as the system lists them.
using InterfaceAddress = vb::InterfaceAddress;

// The 17-character IPAddress text of a computer with these interfaces: the
// first address, not loopback, of an interface that is up, the lowest
// interface index first; "127.0.0.1" when there is none. Left-aligned,
// padded with blanks or cut to 17.
std::string AddressText(const std::vector<InterfaceAddress>& interfaces);

// AddressText of this computer.
std::string LocalAddress();

}  // namespace tasks
