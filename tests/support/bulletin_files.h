// The bulletin tools' files as an outside writer makes them: fixed-width
// records from their field widths, and a small tmpfs that fills up.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// The values, each padded with blanks or cut to its width, one after another.
std::string FixedFields(const std::vector<std::pair<std::string, int>>& fields);

// A news record of 1102 bytes: chr(26), the status and the fields at their
// widths (title 50, body 1000, name 25, date 8, address 17).
std::string NewsRecordBytes(char status, const std::string& title, const std::string& body = "",
                            const std::string& submitted_by = "", const std::string& date_text = "",
                            const std::string& ip_address = "");

// A tmpfs of `bytes` mounted on a fresh folder, for writes that run out of
// room; mounted() is false where the test may not mount one.
class SmallTmpfs {
 public:
  explicit SmallTmpfs(long bytes);
  ~SmallTmpfs();
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool mounted() const { return mounted_; }
  const std::filesystem::path& folder() const { return folder_; }
  // Fills all but `left` bytes of the free room with a file named `name`.
  void FillLeaving(long left, const std::string& name = "filler") const;

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

}  // namespace testing_support
