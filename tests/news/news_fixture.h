// A site's news area for the news tool's tests: the tool's folder
// D:\orvane\news\, the submissions folder D:\orvane\news\submit\ that
// "ovnews.ini" names, and readers of the records the tool leaves.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/news_record.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace news_test {

inline constexpr const char* kToolFolder = "D:\\orvane\\news\\";
inline constexpr const char* kSubmitFolder = "D:\\orvane\\news\\submit\\";

// Records whose titles are the letters of `titles` and whose statuses are
// the characters of `statuses`.
std::string Records(const std::string& statuses, const std::string& titles);

class NewsSite {
 public:
  NewsSite();

  std::filesystem::path Tool(const std::string& name) const;
  std::filesystem::path Submit(const std::string& name) const;
  void WriteIni(const std::string& first_line = kSubmitFolder) const;
  void WriteSubmissions(const std::string& records) const;
  void WriteStore(const std::string& records) const;
  std::vector<common::NewsItem> Store() const { return ItemsOf(Tool("ovnews.dat")); }
  std::vector<common::NewsItem> Submissions() const { return ItemsOf(Submit("ovnewssub.dat")); }
  // The statuses and titles of a file's records, as "1A 0B DC".
  static std::string Summary(const std::vector<common::NewsItem>& items);

  std::vector<std::string> Texts() const;  // the boxes shown, in order
  testing_support::ScriptedMessages messages;

 private:
  static std::vector<common::NewsItem> ItemsOf(const std::filesystem::path& file);
  testing_support::TempDrives drives_;
};

}  // namespace news_test
