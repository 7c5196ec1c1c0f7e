#include "common/news_record.h"

#include "common/bulletin_record_file.h"

namespace common {

namespace {

std::string DeadRecord(std::string_view title) {
  std::string record = std::string(1, kRecordMark) + "D" + std::string(title);
  record.resize(kNewsRecordLength, ' ');
  return record;
}

}  // namespace

std::string FieldText(std::string_view record, RecordField field) {
  return FieldText(record, field.position, field.width);
}

NewsItem NewsItemOf(std::string_view record) {
  return {StatusOf(record),
          FieldText(record, kTitleField),
          FieldText(record, kBodyField),
          FieldText(record, kSubmittedByField),
          FieldText(record, kDateTextField),
          FieldText(record, kIPAddressField)};
}

std::string BuildNewsRecord(char status, std::string_view title, std::string_view body,
                            std::string_view submitted_by, std::string_view date_text,
                            std::string_view ip_address) {
  std::string record(1, kRecordMark);
  record += status;
  record += PadField(title, kTitleField.width);
  record += PadField(body, kBodyField.width);
  record += PadField(submitted_by, kSubmittedByField.width);
  record += PadField(date_text, kDateTextField.width);
  record += PadField(ip_address, kIPAddressField.width);
  return record;
}

std::string DeletedItemRecord() { return DeadRecord("This item has been deleted."); }

std::string ProcessedSubmissionRecord() { return DeadRecord(""); }

}  // namespace common
