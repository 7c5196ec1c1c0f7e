#include "tasks/submit_rules.h"

#include <gtest/gtest.h>

using tasks::HasBadLanguage;
using tasks::SubmitAllowed;

TEST(SubmitRules, EveryBoxFilledAndBothListsChosen) {
  const struct {
    const char *subject, *description, *name, *site, *category;
    bool allowed;
  } cases[] = {
      {"Printer", "Jams", "J Smith", "Hall", "Printer", true},
      {"   ", "Jams", "J Smith", "Hall", "Printer", false},
      {"Printer", "", "J Smith", "Hall", "Printer", false},
      {"Printer", "Jams", "J Smith", "  ", "Printer", false},
      {"Printer", "Jams", "J Smith", "Hall", " [select ONE] ", false},
      {"Printer", "Jams", "J Smith", "[Select one]", "Printer", false},
      {"\t", "Jams", "J Smith", "Hall", "[Select one]x", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SubmitAllowed(c.subject, c.description, c.name, c.site, c.category), c.allowed) << c.subject;
  }
}

TEST(SubmitRules, WordsFoundInAnyCaseAndInsideWordsButNotInOrdinaryOnes) {
  const struct {
    const char *subject, *description, *name;
    bool refused;
  } cases[] = {
      {"Shell will not start", "Hello, the shellscript fails", "Mitchell", false},
      {"SHIT", "", "", true},
      {"", "printer is a Bastard", "", true},
      {"", "", "Jo Wankers", true},
      {"", "unfuckable", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasBadLanguage(c.subject, c.description, c.name), c.refused) << c.subject << c.description;
  }
}
