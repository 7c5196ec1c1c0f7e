#include "tasks/task_record.h"

#include "common/bulletin_record_file.h"

namespace tasks {

namespace {

constexpr common::RecordField kSiteField{1103, 20};
constexpr common::RecordField kCategoryField{1123, 20};
constexpr size_t kPriorityOffset = 1142;

}  // namespace

TaskFields ReadTaskFields(std::string_view record) {
  return {common::NewsItemOf(record), common::FieldText(record, kSiteField),
          common::FieldText(record, kCategoryField),
          record.size() > kPriorityOffset ? record[kPriorityOffset] : ' '};
}

std::string BuildTaskRecord(char status, std::string_view title, std::string_view body,
                            std::string_view submitted_by, std::string_view date_text,
                            std::string_view ip_address, std::string_view site,
                            std::string_view category, char priority) {
  return common::BuildNewsRecord(status, title, body, submitted_by, date_text, ip_address) +
         common::PadField(site, kSiteField.width) + common::PadField(category, kCategoryField.width) +
         priority;
}

std::string DeletedTaskRecord() {
  std::string record = std::string(1, common::kRecordMark) + kDeleted + "This task has been deleted.";
  record.resize(kTaskRecordLength, ' ');
  return record;
}

std::string_view PriorityWord(char priority) {
  switch (priority) {
    case '1': return "LOW";
    case '2': return "MEDIUM";
    case '3': return "HIGH";
    default: return "NOT SET";
  }
}

}  // namespace tasks
