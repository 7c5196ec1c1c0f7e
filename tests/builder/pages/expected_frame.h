// The frame's fixed lines as the page tests expect them, leading blanks
// removed: the head, the top and bottom rows and the closing lines.
#pragma once

#include <string>
#include <vector>

namespace pages_test {

using Lines = std::vector<std::string>;

struct ExpectedButton {
  std::string target;
  std::string image;
  std::string alt;
};

// Buttons by kind ("home", "years", "classes", "class", "mypage") for a page
// at `depth`, with Shared (true) or Replicated image sources.
ExpectedButton Btn(const std::string& kind, int depth, bool shared);

Lines Head(const std::string& title);
Lines TopRow(const std::string& school, const std::vector<ExpectedButton>& buttons);
Lines MiddleOpen(bool centred);
Lines MiddleClose();
Lines BottomRow(const std::string& school, const std::vector<ExpectedButton>& buttons, bool spaced,
                bool paragraph_cell);
Lines Tail(bool centre_line);

Lines operator+(Lines first, const Lines& second);

}  // namespace pages_test
