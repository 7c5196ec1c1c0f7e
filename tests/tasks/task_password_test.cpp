#include "tasks/task_password.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>

#include "platform/vb_error.h"
#include "tests/support/scripted_messages.h"
#include "tests/tasks/task_folder.h"

using tasks::PasswordFileImage;
using tasks::StoredPassword;

namespace {

unsigned char At(const std::string& image, int position) {
  return static_cast<unsigned char>(image[position - 1]);
}

// Answers the two password boxes from scripts and counts the questions.
struct Prompts {
  std::deque<std::optional<std::string>> defined, typed;
  int asked = 0;
  tasks::PasswordPrompts prompts() {
    return {[this] { return Next(defined); }, [this] { return Next(typed); }};
  }
  std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
    ++asked;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

bool Ends(const std::function<void()>& run) {
  try {
    run();
  } catch (const vb::EndProgram&) {
    return true;
  }
  return false;
}

}  // namespace

TEST(TaskPassword, FileBytes) {
  const std::string image = PasswordFileImage("  two Words  ");
  ASSERT_EQ(image.size(), 1023u);
  const std::pair<int, int> bytes[] = {{1, 133}, {117, 249}, {118, 132}, {119, 133}, {500, 28},
                                       {1023, 211}, {201, 't'}, {205, 'w'}, {213, ' '}, {217, 'W'},
                                       {233, 's'}, {237, ' '}, {397, ' '}, {202, 132 + 202 % 118}};
  for (auto [position, byte] : bytes) EXPECT_EQ(At(image, position), byte) << position;
  EXPECT_EQ(StoredPassword(image), "two words");
  EXPECT_EQ(StoredPassword(PasswordFileImage(std::string(60, 'x'))), std::string(50, 'x'));
  EXPECT_EQ(StoredPassword(PasswordFileImage("   ")), "");

  for (const std::string& invalid : {image.substr(0, 1022), image + " ", std::string()}) {
    EXPECT_FALSE(StoredPassword(invalid).has_value()) << invalid.size();
  }
  std::string no_marker = image;
  no_marker[499] = 29;
  EXPECT_FALSE(StoredPassword(no_marker).has_value());

  EXPECT_TRUE(tasks::PasswordMatches("two words", "  TWO words "));
  EXPECT_FALSE(tasks::PasswordMatches("two words", "twowords"));
}

// A new file is its owner's alone whatever the umask; one replaced keeps
// the old one's mode less the bits for others.
TEST(TaskPassword, DefinedWhenTheFileIsMissingOrInvalid) {
  const struct {
    const char* old_file;
    mode_t old_mode;
    mode_t umask;
    mode_t mode;
  } cases[] = {{"", 0, 022, 0600}, {"", 0, 002, 0600}, {"", 0, 077, 0600}, {"short", 0644, 022, 0640}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.old_file << " umask " << std::oct << c.umask);
    tasks_test::TaskFolder tools;
    if (*c.old_file != 0) tools.Write("ovtaskpw.dat", c.old_file);
    if (*c.old_file != 0) std::filesystem::permissions(tools.file("ovtaskpw.dat"), std::filesystem::perms(c.old_mode));
    testing_support::ScriptedMessages messages;
    Prompts answers{{std::nullopt, "", "sixteen letters!", "  Open Sesame  "}, {}};
    const mode_t saved = ::umask(c.umask);
    tasks::CheckTaskPassword(tools.folder(), answers.prompts());
    ::umask(saved);
    EXPECT_EQ(answers.asked, 4);
    EXPECT_EQ(tools.Read("ovtaskpw.dat"), PasswordFileImage("Open Sesame"));
    struct stat st {};
    ASSERT_EQ(::stat(tools.file("ovtaskpw.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    EXPECT_FALSE(std::filesystem::exists(tools.file("ovtaskpw.tmp")));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].title, "Password");
    EXPECT_EQ(messages.shown()[0].text, "Please use a password of at most 15 characters.");
    EXPECT_EQ(messages.shown()[1].text, "New Jobline Password saved successfully.");
    EXPECT_EQ(messages.shown()[1].title, "Success");
    EXPECT_EQ(messages.shown()[1].style, vb::vbExclamation);
  }
}

TEST(TaskPassword, SecurityCheckOpensOnlyForTheStoredPassword) {
  tasks_test::TaskFolder tools;
  tools.Write("ovtaskpw.dat", PasswordFileImage("Open Sesame"));
  const struct {
    std::optional<std::string> typed;
    bool ends;
    size_t boxes;
  } cases[] = {{" open SESAME", false, 0}, {"open", true, 1}, {std::nullopt, true, 0}};
  for (const auto& c : cases) {
    testing_support::ScriptedMessages messages;
    Prompts answers{{}, {c.typed}};
    EXPECT_EQ(Ends([&] { tasks::CheckTaskPassword(tools.folder(), answers.prompts()); }), c.ends);
    ASSERT_EQ(messages.shown().size(), c.boxes);
    if (c.boxes == 1) {
      EXPECT_EQ(messages.shown()[0].text, "Sorry, wrong password.");
      EXPECT_EQ(messages.shown()[0].title, "Security!");
      EXPECT_EQ(messages.shown()[0].style, vb::vbCritical);
    }
  }
  EXPECT_EQ(tools.Read("ovtaskpw.dat"), PasswordFileImage("Open Sesame"));
}
