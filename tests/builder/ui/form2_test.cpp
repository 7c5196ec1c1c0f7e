#include <gtest/gtest.h>

#include <QLabel>
#include <functional>
#include <string>

#include "builder/ui/form2.h"
#include "platform/qt/qt_text.h"

// Each label of the progress window shows the first 200 characters of its
// text at most, however long the text (a name of megabytes in the export).
TEST(ProgressWindow, ALabelShowsTheFirst200CharactersAtMost) {
  builder::Form2 form;
  const struct {
    const char* label;
    std::function<void(const std::string&)> set;
    QLabel* shown;
  } labels[] = {
      {"phase", [&](const std::string& text) { form.SetLabel1(text); }, form.Label1},
      {"activity", [&](const std::string& text) { form.SetLabel3(text); }, form.Label3},
  };
  const std::string long_name = "Smith" + std::string(10'000'000, 'e');
  const struct {
    std::string text, shown;
  } texts[] = {
      {"Reading Smith, Amy", "Reading Smith, Amy"},
      {std::string(200, '\xe9'), std::string(200, '\xe9')},
      {long_name, long_name.substr(0, 200)},
  };
  for (const auto& label : labels) {
    for (const auto& text : texts) {
      label.set(text.text);
      EXPECT_EQ(vb::FromQt(label.shown->text()), text.shown) << label.label << ", " << text.text.size();
    }
  }
}
