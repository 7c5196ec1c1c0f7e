// The news record (1102 bytes), which is also the head of the task record:
// its fields, how one is built, and the two dead records.
#pragma once

#include <string>
#include <string_view>

namespace common {

inline constexpr int kNewsRecordLength = 1102;
inline constexpr char kRecordMark = '\x1A';

// A field: its 1-based position and its width.
struct RecordField {
  int position;
  int width;
};
inline constexpr RecordField kTitleField{3, 50};
inline constexpr RecordField kBodyField{53, 1000};  // line breaks are CR LF
inline constexpr RecordField kSubmittedByField{1053, 25};
inline constexpr RecordField kDateTextField{1078, 8};  // "dd/mm/yy"
inline constexpr RecordField kIPAddressField{1086, 17};

std::string FieldText(std::string_view record, RecordField field);

// The fields of a news record as readers show them (blanks trimmed).
struct NewsItem {
  char status = ' ';
  std::string title;
  std::string body;
  std::string submitted_by;
  std::string date_text;
  std::string ip_address;
};
NewsItem NewsItemOf(std::string_view record);

// RecordMark, the status, then each field fitted to its width; the date is
// always 8 characters (padded or cut), so no later field moves.
std::string BuildNewsRecord(char status, std::string_view title, std::string_view body,
                            std::string_view submitted_by, std::string_view date_text,
                            std::string_view ip_address);
inline std::string BuildNewsRecord(const NewsItem& item) {
  return BuildNewsRecord(item.status, item.title, item.body, item.submitted_by, item.date_text,
                         item.ip_address);
}

// A news item deleted in the news window: "This item has been deleted." as
// its title, blanks after.
std::string DeletedItemRecord();
// A submission that has been approved or deleted: "D" and blanks.
std::string ProcessedSubmissionRecord();

}  // namespace common
