// The task store's record: the news record's layout (mark, status, title,
// body, name, date, address) followed by the site, the category and the
// priority, 1143 characters in all.
#pragma once

#include <string>
#include <string_view>

#include "common/news_record.h"

namespace tasks {

inline constexpr int kTaskRecordLength = 1143;

// Status codes; any other status counts as complete where one is shown.
inline constexpr char kIncomplete = '1';
inline constexpr char kComplete = '0';
inline constexpr char kDeleted = 'D';

// The fields of a task as its readers use them, texts trimmed of blanks.
struct TaskFields : common::NewsItem {
  std::string site;
  std::string category;
  char priority = ' ';
};

TaskFields ReadTaskFields(std::string_view record);

// A whole record: the texts trimmed and fitted to their fields, the date
// fitted to 8 characters, the address written as it is given (17 characters).
std::string BuildTaskRecord(char status, std::string_view title, std::string_view body,
                            std::string_view submitted_by, std::string_view date_text,
                            std::string_view ip_address, std::string_view site,
                            std::string_view category, char priority);

// What Delete writes over a task.
std::string DeletedTaskRecord();

// "NOT SET", "LOW", "MEDIUM" or "HIGH" for "0" to "3"; "NOT SET" for any
// other code.
std::string_view PriorityWord(char priority);

}  // namespace tasks
