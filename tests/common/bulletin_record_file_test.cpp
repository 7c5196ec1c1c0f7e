// The record files of the bulletin tools: counting, reading and writing
// records, the live scan, compaction and the put-back of a cut-short one.
#include "common/bulletin_record_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/news_record.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using common::BulletinRecordFile;
using testing_support::ErrorOf;
using testing_support::NewsRecordBytes;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

constexpr int L = common::kNewsRecordLength;

class RecordFileTest : public ::testing::Test {
 protected:
  std::string Folder() const { return drives_.drive('D').string() + "/"; }
  fs::path Dat() const { return drives_.drive('D') / "ovnews.dat"; }
  fs::path New() const { return drives_.drive('D') / "ovnews.new"; }
  std::string Records(const std::string& statuses) const {
    std::string bytes;
    for (char status : statuses) bytes += NewsRecordBytes(status, std::string("Item ") + status);
    return bytes;
  }

  testing_support::TempDrives drives_;
  BulletinRecordFile file_;
};

}  // namespace

TEST(RecordArithmetic, RoundsHalfToEvenAndCountsInThirtyTwoBits) {
  struct Case {
    std::int64_t length;
    int record_length;
    int count;  // or the error number, negative
    int next;
  } cases[] = {
      {0, L, 0, 1},
      {3 * L, L, 3, 4},
      {3 * L + 600, L, 4, 5},
      {3 * L + 500, L, 3, 4},
      {2 * L + 551, L, 2, 4},  // 2.5 and 3.5 both round to even
      {2 * 1143 + 572, 1143, 3, 4},
      {2 * 1143 + 571, 1143, 2, 3},
      {32767LL * L, L, 32767, 32768},
      {40000LL * 1143 + 600, 1143, 40001, 40002},
      {2147483646LL * L, L, 2147483646, 2147483647},
      {2147483647LL * L, L, 2147483647, -6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    int count = 0, next = 0;
    const int count_error =
        ErrorOf([&] { count = common::RecordCountOfLength(c.length, c.record_length); });
    const int next_error =
        ErrorOf([&] { next = common::NextRecordNumberOfLength(c.length, c.record_length); });
    EXPECT_EQ(count_error ? -count_error : count, c.count);
    EXPECT_EQ(next_error ? -next_error : next, c.next);
  }
}

TEST_F(RecordFileTest, ReadsPadsAppendsAndRewritesInPlace) {
  // A partial tail under half a record: read as padded with blanks, then
  // overwritten by the next append, which ends the file on a whole record.
  WriteFile(Dat(), Records("11") + NewsRecordBytes('1', "Three").substr(0, 500));
  file_.Open(Folder() + "ovnews.dat", L);
  EXPECT_EQ(file_.RecordCount(), 2);
  EXPECT_EQ(file_.ReadRecordAt(3), NewsRecordBytes('1', "Three").substr(0, 500) + std::string(L - 500, ' '));
  EXPECT_EQ(file_.AppendRecord(NewsRecordBytes('0', "New")), 3);
  EXPECT_EQ(fs::file_size(Dat()), 3u * L);

  file_.WriteRecordAt(1, "\x1A" "D short");  // padded to a whole record
  file_.WriteRecordAt(2, NewsRecordBytes('1', "Two") + "cut off");
  EXPECT_EQ(ReadFile(Dat()), std::string("\x1A" "D short") + std::string(L - 8, ' ') +
                                 NewsRecordBytes('1', "Two") + NewsRecordBytes('0', "New"));
  EXPECT_EQ(ErrorOf([&] { file_.ReadRecordAt(0); }), 63);
  EXPECT_EQ(ErrorOf([&] { file_.WriteRecordAt(0, ""); }), 63);

  // A tail of half a record or more: the append comes after it, and the gap
  // between reads as blanks, as the tail did.
  file_.Close();
  WriteFile(Dat(), Records("11") + NewsRecordBytes('1', "Three").substr(0, 551));
  file_.Open(Folder() + "ovnews.dat", L);
  EXPECT_EQ(file_.AppendRecord(NewsRecordBytes('0', "New")), 4);
  EXPECT_EQ(ReadFile(Dat()), Records("11") + NewsRecordBytes('1', "Three").substr(0, 551) +
                                 std::string(L - 551, ' ') + NewsRecordBytes('0', "New"));

  file_.Close();
  EXPECT_EQ(ErrorOf([&] { file_.RecordCount(); }), 52);
  EXPECT_EQ(ErrorOf([&] { file_.Open(Folder() + "missing\\ovnews.dat", L); }), 76);
}

// An append that runs out of room part-way puts the store back byte for
// byte, an old partial tail it began over included, and raises 61.
TEST_F(RecordFileTest, AnAppendThatFailsPartWayLeavesTheStoreAsItWas) {
  std::string old_bytes(4 * 1143, ' ');
  for (size_t i = 0; i < old_bytes.size(); ++i) old_bytes[i] = static_cast<char>('a' + i % 26);
  struct Case {
    const char* name;
    int record_length;
    bool sync;  // as the task store appends
    size_t length;
    size_t room;  // what may still be written past the old end
  } cases[] = {
      {"ovtask.dat", 1143, true, 2 * 1143, 600},
      {"ovtask.dat", 1143, true, 2 * 1143 + 500, 0},  // only the tail written over
      {"ovtask.dat", 1143, true, 0, 100},
      {"ovnews.dat", L, false, 2 * L + 300, 400},
      {"ovnews.dat", L, false, 2 * L + 600, 300},  // the blanks up to the new record
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " of " + std::to_string(c.length) + " bytes");
    const fs::path store = drives_.drive('D') / c.name;
    WriteFile(store, old_bytes.substr(0, c.length));
    file_.Open(Folder() + c.name, c.record_length);
    {
      testing_support::FullDrive full(c.length + c.room);
      EXPECT_EQ(ErrorOf([&] { file_.AppendRecord(std::string(1143, 'n'), c.sync); }), 61);
    }
    file_.Close();
    EXPECT_EQ(ReadFile(store), old_bytes.substr(0, c.length));
  }
}

TEST_F(RecordFileTest, ScanListsEveryRecordNotMarkedD) {
  WriteFile(Dat(), Records("1Dd 0D"));
  file_.Open(Folder() + "ovnews.dat", L);
  const common::LiveRecordIndex index = common::ScanLiveRecords(file_);
  ASSERT_EQ(index.Count(), 4);
  EXPECT_EQ(std::vector<int>({index(1), index(2), index(3), index(4)}), std::vector<int>({1, 3, 4, 5}));
}

TEST_F(RecordFileTest, CompactionKeepsTheLiveRecordsInOrder) {
  struct Case {
    std::string before;
    std::string after;
  } cases[] = {
      {Records("1D0D1"), Records("101")},
      {Records("DD"), ""},
      {Records("10") + NewsRecordBytes('1', "Tail").substr(0, 700),
       Records("10") + NewsRecordBytes('1', "Tail").substr(0, 700) + std::string(L - 700, ' ')},
      {Records("10 "), Records("10 ")},
  };
  for (const Case& c : cases) {
    WriteFile(Dat(), c.before);
    WriteFile(New(), "left by an earlier run");
    file_.Open(Folder() + "ovnews.dat", L);
    common::CompactRecordFile(file_, Folder(), "ovnews");
    EXPECT_FALSE(file_.IsOpen());
    EXPECT_EQ(ReadFile(Dat()), c.after);
    EXPECT_FALSE(fs::exists(New()));
  }
}

// Every record file of the bulletin tools past 32,767 records, as another
// program may make one: it is scanned, takes an append, shows any record and
// is compacted (the submissions file is emptied instead).
TEST_F(RecordFileTest, FortyThousandRecordsAreScannedAppendedReadAndCompacted) {
  const struct {
    const char* stem;
    int length;
    bool compacted;
  } files[] = {{"ovtask", 1143, true}, {"ovnews", L, true}, {"ovnewssub", L, false}};
  constexpr int n = 40000, dead = 35000;
  for (const auto& f : files) {
    SCOPED_TRACE(f.stem);
    const auto record = [&](int k, char status) {
      return NewsRecordBytes(status, "Item " + std::to_string(k)) + std::string(f.length - L, ' ');
    };
    const auto title = [&](int k) { return common::FieldText(file_.ReadRecordAt(k), 3, 50); };
    const fs::path path = drives_.drive('D') / (std::string(f.stem) + ".dat");
    {
      std::string bytes;
      bytes.reserve(static_cast<size_t>(n + 1) * static_cast<size_t>(f.length));
      for (int k = 1; k <= n; ++k) bytes += record(k, k == dead ? 'D' : '1');
      WriteFile(path, bytes);
    }
    file_.Open(path.string(), f.length);
    const common::LiveRecordIndex index = common::ScanLiveRecords(file_);
    ASSERT_EQ(index.Count(), n - 1);
    EXPECT_EQ(index(dead), dead + 1);
    EXPECT_EQ(file_.AppendRecord(record(n + 1, '1')), n + 1);
    EXPECT_EQ(file_.RecordCount(), n + 1);
    EXPECT_EQ(title(n + 1), "Item 40001");
    EXPECT_EQ(title(dead - 1), "Item 34999");
    if (!f.compacted) {
      file_.WriteRecordAt(n + 1, NewsRecordBytes('D', ""));
      EXPECT_TRUE(file_.TruncateIfLength(file_.Lof()));
      file_.Close();
      EXPECT_EQ(fs::file_size(path), 0u);
      continue;
    }
    common::CompactRecordFile(file_, Folder(), f.stem);
    file_.Open(path.string(), f.length);
    EXPECT_EQ(file_.RecordCount(), n);
    EXPECT_EQ(title(dead), "Item 35001");
    EXPECT_EQ(title(n), "Item 40001");
    file_.Close();
  }
}

TEST_F(RecordFileTest, CompactionThatFailsLeavesTheStore) {
  const std::string store = Records("1D1");
  const fs::path target = drives_.drive('D') / "elsewhere";
  struct Case {
    const char* what;
    std::function<void()> prepare;
    int error;
    bool new_left;  // the ".new" (or what stands in its place) is still there
  } cases[] = {
      {"a folder named .new", [&] { fs::create_directory(New()); }, 70, true},
      {"a link named .new", [&] { fs::create_symlink(target, New()); }, 70, true},
      {"a read-only store", [&] { fs::permissions(Dat(), fs::perms::owner_read); }, 75, true},
      {"a store that was closed", [&] { file_.Close(); }, 52, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(target, "not the tool's");
    WriteFile(Dat(), store);
    file_.Open(Folder() + "ovnews.dat", L);
    c.prepare();
    EXPECT_EQ(ErrorOf([&] { common::CompactRecordFile(file_, Folder(), "ovnews"); }), c.error);
    EXPECT_EQ(ReadFile(Dat()), store);
    EXPECT_EQ(ReadFile(target), "not the tool's");
    EXPECT_EQ(fs::exists(fs::symlink_status(New())), c.new_left);
    fs::permissions(Dat(), fs::perms::owner_read | fs::perms::owner_write);
    fs::remove_all(New());
  }
}

TEST_F(RecordFileTest, OpenRefusesALinkInTheStoresPlace) {
  WriteFile(drives_.drive('D') / "other.dat", "not the tool's");
  fs::create_symlink(drives_.drive('D') / "other.dat", Dat());
  EXPECT_EQ(ErrorOf([&] { file_.Open(Folder() + "ovnews.dat", L); }), 70);
  EXPECT_EQ(ReadFile(drives_.drive('D') / "other.dat"), "not the tool's");
}

TEST_F(RecordFileTest, StartUpPutsBackACompactedStoreWhoseRenameNeverCame) {
  struct Case {
    bool dat;
    std::string new_bytes;
    std::string dat_after;
  } cases[] = {
      {false, Records("1"), Records("1")},
      {false, "", ""},  // nothing to put back: no store yet
      {true, Records("1"), Records("0")},
  };
  for (const Case& c : cases) {
    fs::remove(Dat());
    if (c.dat) WriteFile(Dat(), Records("0"));
    WriteFile(New(), c.new_bytes);
    common::RestoreCompactedStore(Folder(), "ovnews");
    EXPECT_EQ(ReadFile(Dat()), c.dat_after);
  }
}

TEST(NewsRecord, FieldsKeepTheirPlaces) {
  // Blanks are trimmed, nothing else; the date is always 8 characters.
  const std::string record = common::BuildNewsRecord('1', "  " + std::string(60, 't') + "  ", "Body\r\n\t",
                                                     " Jo ", "5/3/07", "10.0.0.1");
  EXPECT_EQ(record, NewsRecordBytes('1', std::string(50, 't'), "Body\r\n\t", "Jo", "5/3/07", "10.0.0.1"));
  EXPECT_EQ(common::BuildNewsRecord('0', "", "", "", "05/03/2007", "10.0.0.2").substr(1077),
            "05/03/20" + std::string("10.0.0.2") + std::string(9, ' '));

  const common::NewsItem item = common::NewsItemOf(record);
  EXPECT_EQ(item.status, '1');
  EXPECT_EQ(item.title, std::string(50, 't'));
  EXPECT_EQ(item.body, "Body\r\n\t");
  EXPECT_EQ(item.submitted_by, "Jo");
  EXPECT_EQ(item.date_text, "5/3/07");
  EXPECT_EQ(item.ip_address, "10.0.0.1");

  EXPECT_EQ(common::DeletedItemRecord(), NewsRecordBytes('D', "This item has been deleted."));
  EXPECT_EQ(common::ProcessedSubmissionRecord(), NewsRecordBytes('D', ""));
}
