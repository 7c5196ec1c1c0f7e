#include "tests/news/news_fixture.h"

#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::WriteFile;

namespace news_test {

std::string Records(const std::string& statuses, const std::string& titles) {
  std::string bytes;
  for (size_t i = 0; i < statuses.size(); ++i) {
    const std::string title(1, titles[i]);
    bytes += testing_support::NewsRecordBytes(statuses[i], title, "Body of " + title, "Jo " + title, "05/03/07",
                                              "10.0.0." + std::to_string(i + 1));
  }
  return bytes;
}

NewsSite::NewsSite() : drives_("D") { fs::create_directories(Submit("")); }

fs::path NewsSite::Tool(const std::string& name) const { return drives_.drive('D') / "orvane" / "news" / name; }

fs::path NewsSite::Submit(const std::string& name) const { return Tool("submit") / name; }

void NewsSite::WriteIni(const std::string& first_line) const {
  WriteFile(Tool("ovnews.ini"), first_line + "\r\n");
}

void NewsSite::WriteSubmissions(const std::string& records) const { WriteFile(Submit("ovnewssub.dat"), records); }

void NewsSite::WriteStore(const std::string& records) const { WriteFile(Tool("ovnews.dat"), records); }

std::string NewsSite::Summary(const std::vector<common::NewsItem>& items) {
  std::string summary;
  for (const common::NewsItem& item : items) {
    if (!summary.empty()) summary += ' ';
    summary += std::string(1, item.status) + (item.title.empty() ? "_" : item.title);
  }
  return summary;
}

std::vector<std::string> NewsSite::Texts() const {
  std::vector<std::string> texts;
  for (const vb::MessageBoxRequest& box : messages.shown()) texts.push_back(box.text);
  return texts;
}

std::vector<common::NewsItem> NewsSite::ItemsOf(const fs::path& file) {
  const std::string bytes = testing_support::ReadFile(file);
  std::vector<common::NewsItem> items;
  for (size_t at = 0; at < bytes.size(); at += common::kNewsRecordLength) {
    items.push_back(common::NewsItemOf(bytes.substr(at, common::kNewsRecordLength)));
  }
  return items;
}

}  // namespace news_test
