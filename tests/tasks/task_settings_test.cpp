#include "tasks/task_settings.h"

#include <gtest/gtest.h>

#include "tests/support/error_of.h"
#include "tests/tasks/task_folder.h"

namespace {

std::vector<std::string> Values(const tasks::TaskMailSettings& s) {
  return {s.SchoolName,   s.SchoolCode,       s.ContactName, s.ContactEmail, s.SchoolPhone,
          s.MobilePhone,  s.Availability,     s.RecipientAddress, s.SmtpServer};
}

}  // namespace

TEST(TaskSettings, CreatedEmptyAndReadValueByValue) {
  tasks_test::TaskFolder tools;
  tasks::EnsureTaskSettingsFile(tools.folder());
  EXPECT_TRUE(std::filesystem::is_regular_file(tools.file("ovtask.ini")));
  EXPECT_EQ(Values(tasks::ReadTaskSettings(tools.folder())), std::vector<std::string>(9));

  const std::string nine = "\"Sample PS\"\r\n\"1234\"\r\n\"Jo\"\r\n\"jo@example.org\"\r\n\"9555 0101\"\r\n"
                           "\"\"\r\n\" After 3pm, any day \"\r\n\"help@example.org\"\r\n\"mail.example.org\"\r\n";
  const struct {
    std::string bytes;
    std::vector<std::string> values;
  } cases[] = {
      {nine, {"Sample PS", "1234", "Jo", "jo@example.org", "9555 0101", "", "After 3pm, any day",
              "help@example.org", "mail.example.org"}},
      {"\"a\",\"b\"\r\n\"c\"\r\n\"d\"\r\n", {"a", "b", "c", "d", "", "", "", "", ""}},
      {nine + "\"tenth\"\r\n", {"Sample PS", "1234", "Jo", "jo@example.org", "9555 0101", "",
                                "After 3pm, any day", "help@example.org", "mail.example.org"}},
      {"plain, text \r\n", {"plain", "text", "", "", "", "", "", "", ""}},
      {"\"a\" b,\"c\"d\r\n\"e\"", {"a", "c", "e", "", "", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    tools.Write("ovtask.ini", c.bytes);
    tasks::EnsureTaskSettingsFile(tools.folder());
    EXPECT_EQ(tools.Read("ovtask.ini"), c.bytes);
    EXPECT_EQ(Values(tasks::ReadTaskSettings(tools.folder())), c.values) << c.bytes;
  }

  std::filesystem::remove(tools.file("ovtask.ini"));
  std::filesystem::create_directory(tools.file("ovtask.ini"));
  EXPECT_EQ(testing_support::ErrorOf([&] { tasks::EnsureTaskSettingsFile(tools.folder()); }), 70);
}
