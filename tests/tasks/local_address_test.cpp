#include "tasks/local_address.h"

#include <gtest/gtest.h>

using tasks::AddressText;
using tasks::InterfaceAddress;

TEST(LocalAddress, FirstUpInterfaceThatIsNotLoopbackPaddedTo17) {
  const struct {
    std::vector<InterfaceAddress> interfaces;
    std::string text;
  } cases[] = {
      {{}, "127.0.0.1        "},
      {{{1, true, true, "127.0.0.1"}, {2, false, false, "10.0.0.9"}}, "127.0.0.1        "},
      {{{3, true, false, "192.168.1.20"}, {1, true, true, "127.0.0.1"}, {2, true, false, "10.0.0.5"}},
       "10.0.0.5         "},
      {{{2, true, false, "1.2.3.4"}}, "1.2.3.4          "},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressText(c.interfaces), c.text);
  EXPECT_EQ(tasks::LocalAddress().size(), 17u);
}
