#include "tasks/task_lists.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/error_of.h"
#include "tests/support/site_pages.h"
#include "tests/tasks/task_folder.h"

using Entries = std::vector<std::string>;

TEST(TaskLists, SitesLoseBlanksAroundCategoriesOnlyTrailingOnes) {
  const struct {
    std::string bytes;
    Entries sites, categories;
  } cases[] = {
      {"  Main Office  \r\n\r\n    \r\nHall", {"Main Office", "Hall"}, {"  Main Office", "Hall"}},
      {"Library\nGym\rLab\r\n", {"Library", "Gym", "Lab"}, {"Library", "Gym", "Lab"}},
      {"Caf\xC3\xA9\r\n\tTab \r\n", {"Caf\xE9", "\tTab"}, {"Caf\xE9", "\tTab"}},
      {"Caf\xE9\r\n", {"Caf\xE9"}, {"Caf\xE9"}},
      {"", {}, {}},
      {" " + std::string(250, 'x') + "\r\nHall", {std::string(200, 'x'), "Hall"},
       {" " + std::string(199, 'x'), "Hall"}},
  };
  tasks_test::TaskFolder tools;
  for (const auto& c : cases) {
    tools.Write("sites.txt", c.bytes);
    tools.Write("category.txt", c.bytes);
    EXPECT_EQ(tasks::ReadSiteList(tools.folder()), c.sites) << c.bytes;
    EXPECT_EQ(tasks::ReadCategoryList(tools.folder()), c.categories) << c.bytes;
  }
  std::filesystem::remove(tools.file("sites.txt"));
  EXPECT_EQ(testing_support::ErrorOf([&] { tasks::ReadSiteList(tools.folder()); }), 53);
}

TEST(TaskLists, ShippedSamplesReachTheProgramFolderAndFitTheStore) {
  const std::string samples = std::string(std::getenv("ORVANE_TEST_PROGRAM_DIR")) + "/samples/";
  for (const Entries& list : {tasks::ReadSiteList(samples), tasks::ReadCategoryList(samples)}) {
    EXPECT_GE(list.size(), 5u);
    for (const std::string& entry : list) EXPECT_LE(entry.size(), 20u) << entry;
  }
  EXPECT_EQ(testing_support::LineEndFault(testing_support::ReadFile(samples + "sites.txt")), "");
}
