#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "sortlib/xr_errors.h"
#include "sortlib/xr_text_file.h"
#include "tests/support/temp_drives.h"

using testing_support::ReadFile;
using testing_support::WriteFile;
using xrsort::TXRTextFile;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return (drives_.drive('C') / name).string(); }

  // Every line of `bytes` as read with a buffer of `size` (and record length).
  Lines ReadAll(const std::string& bytes, int32_t size = 32768, int32_t record = 0) {
    WriteFile(Path("in.txt"), bytes);
    TXRTextFile file;
    file.Open(Path("in.txt"), record, size);
    file.Reset();
    Lines lines;
    while (!file.Eof()) lines.push_back(file.ReadLine());
    if (read_past_end_) file.ReadLine();
    return lines;
  }

  // The message that reading all of `bytes` ends with.
  std::string ReadFailure(const std::string& bytes, int32_t size = 32768, int32_t record = 0) {
    try {
      ReadAll(bytes, size, record);
    } catch (const xrsort::EInOutError& e) {
      return e.what();
    }
    return "";
  }

  testing_support::TempDrives drives_{"C"};
  bool read_past_end_ = false;
};

}  // namespace

TEST_F(TextFileTest, EveryLineEnd) {
  for (const char* end : {"\r\n", "\n\r", "\r", "\n"}) {
    EXPECT_EQ(ReadAll(std::string("a") + end + "b"), (Lines{"a", "b"})) << int(end[0]);
    EXPECT_EQ(ReadAll(std::string("a") + end + "b" + end), (Lines{"a", "b"}));
  }
  EXPECT_EQ(ReadAll("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(ReadAll("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(ReadAll(std::string("a\0b\n", 4)), (Lines{std::string("a\0b", 3)}));
}

TEST_F(TextFileTest, EmptyFilesAndCtrlZ) {
  EXPECT_EQ(ReadAll(""), Lines{});
  EXPECT_EQ(ReadAll("\x1a"), Lines{});
  EXPECT_EQ(ReadAll("a\r\n\x1a"), (Lines{"a"}));
  EXPECT_EQ(ReadAll("a\r\nb\x1a"), (Lines{"a", "b"}));
  EXPECT_EQ(ReadAll("a\x1a" "b\r\n"), (Lines{"a\x1a" "b"}));
  // Inside the file a Ctrl-Z after a line end starts the next line, wherever
  // the buffer ends.
  EXPECT_EQ(ReadAll("a\r\n\x1a" "b\r\n"), (Lines{"a", "\x1a" "b"}));
  const std::string first(253, 'x');
  EXPECT_EQ(ReadAll(first + "\r\n\x1a" "b\r\n", 255), (Lines{first, "\x1a" "b"}));
  EXPECT_EQ(ReadAll(first + "\r\n\x1a", 255), (Lines{first}));
  read_past_end_ = true;
  EXPECT_EQ(ReadFailure(""), "Read beyond end of file");
  EXPECT_EQ(ReadFailure("a\r\n\x1a"), "Read beyond end of file");
}

TEST_F(TextFileTest, LinesAgainstTheBuffer) {
  const std::string l32766(32766, 'a'), l32767(32767, 'b');
  EXPECT_EQ(ReadAll(l32766 + "\r\nnext\r\n"), (Lines{l32766, "next"}));
  EXPECT_EQ(ReadFailure("x\r\n" + l32767 + "\r\nnext\r\n"),
            "Not a text file or line exceeds buffer size");
  EXPECT_EQ(ReadFailure(l32767 + "\nnext"), "Not a text file or line exceeds buffer size");
  EXPECT_EQ(ReadAll(l32767 + "\n"), (Lines{l32767}));
  // A CR LF split by the end of the buffer is one line end.
  const std::string a(100, 'a'), b(152, 'b');
  EXPECT_EQ(ReadAll(a + "\r\n" + b + "\r\nc\r\n", 255), (Lines{a, b, "c"}));
  // Many lines through a small buffer.
  std::string bytes;
  Lines expected;
  for (int i = 0; i < 500; ++i) {
    expected.push_back(std::string(static_cast<size_t>(i % 97), static_cast<char>('a' + i % 26)));
    bytes += expected.back() + (i % 3 == 0 ? "\n" : "\r\n");
  }
  EXPECT_EQ(ReadAll(bytes, 255), expected);
}

TEST_F(TextFileTest, TheBufferSizeNeverChangesTheLines) {
  std::mt19937 random(3);
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    const int size = static_cast<int>(random() % 2000);
    for (int i = 0; i < size; ++i) {
      const unsigned pick = random() % 20;
      bytes += pick < 2 ? '\r' : pick < 4 ? '\n' : pick < 5 ? '\x1a' : static_cast<char>('a' + pick);
    }
    const Lines whole = ReadAll(bytes);
    for (int buffer : {255, 256, 300, 777}) {
      ASSERT_EQ(ReadAll(bytes, buffer), whole) << round << " " << buffer;
    }
  }
}

TEST_F(TextFileTest, FixedRecords) {
  const std::string r30 = "0123456789abcdefghijABCDEFGHIJ";
  EXPECT_EQ(ReadAll(r30, 32768, 10), (Lines{"0123456789", "abcdefghij", "ABCDEFGHIJ"}));
  EXPECT_EQ(ReadAll(r30 + "\x1a", 32768, 10).size(), 3u);
  EXPECT_EQ(ReadFailure(r30 + "12345", 32768, 10), "Invalid record length");
  EXPECT_EQ(ReadFailure(r30, 32768, 32768), "Record too large (exceeds buffer size)");
  std::string records;
  for (int i = 0; i < 512; ++i) records += std::string(64, static_cast<char>('A' + i % 26));
  EXPECT_EQ(ReadAll(records + "\x1a", 32768, 64).size(), 512u);
  // Records that straddle the buffer are refilled; a final Ctrl-Z ends the
  // records wherever the buffer ends.
  EXPECT_EQ(ReadAll(records, 255, 64).size(), 512u);
  for (int buffer : {255, 300, 320, 32768 - 63}) {
    EXPECT_EQ(ReadAll(records + "\x1a", buffer, 64).size(), 512u) << buffer;
  }
}

TEST_F(TextFileTest, OpenBoundsAndDirection) {
  TXRTextFile file;
  file.Open(Path("x.txt"), 0, 100);
  EXPECT_EQ(file.BufferSize(), 255);
  file.Open(Path("x.txt"), 0, 5000000);
  EXPECT_EQ(file.BufferSize(), 1048576);
  try {
    file.Open(Path("x.txt"), -1, 32768);
    FAIL();
  } catch (const xrsort::EInOutError&) {
    FAIL() << "of the general kind";
  } catch (const xrsort::Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid Record Lenght");
  }
  TXRTextFile writer;
  writer.Open(Path("w.txt"), 0, 32768);
  writer.Rewrite(0, false);
  EXPECT_THROW(
      try { writer.ReadLine(); } catch (const xrsort::EInOutError& e) {
        EXPECT_STREQ(e.what(), "Invalid direction for reading file");
        throw;
      },
      xrsort::EInOutError);
  writer.Close();
  try {
    writer.Close();
  } catch (const xrsort::EInOutError& e) {
    EXPECT_STREQ(e.what(), "I/O error 103");
  }
  TXRTextFile missing;
  missing.Open(Path("none.txt"), 0, 32768);
  try {
    missing.Reset();
    FAIL();
  } catch (const xrsort::EInOutError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  TXRTextFile nowhere;
  nowhere.Open(Path("nofolder/x.txt"), 0, 32768);
  try {
    nowhere.Rewrite(0, false);
    FAIL();
  } catch (const xrsort::EInOutError& e) {
    EXPECT_STREQ(e.what(), "Invalid filename");
  }
}

TEST_F(TextFileTest, Writing) {
  const char* expected[] = {"abc\r\n", "abc\n\r", "abc\n", "abc\r"};
  for (int style = 0; style < 4; ++style) {
    TXRTextFile file;
    file.Open(Path("w.txt"), 0, 32768);
    file.Rewrite(style, false);
    file.WriteLine("abc");
    file.Close();
    EXPECT_EQ(ReadFile(Path("w.txt")), expected[style]);
  }
  TXRTextFile records;
  records.Open(Path("r.txt"), 2, 32768);
  records.Rewrite(0, true);
  records.WriteLine("abc");
  records.Close();
  EXPECT_EQ(ReadFile(Path("r.txt")), "abc\x1a");

  // Texts fill the buffer exactly and are never split; a text larger than
  // the buffer, or a line whose line end does not fit with it, is refused.
  TXRTextFile big;
  big.Open(Path("big.txt"), 0, 255);
  big.Rewrite(2, false);
  big.Write(std::string(200, 'a'));
  big.Write(std::string(55, 'b'));
  big.Write(std::string(255, 'c'));
  big.WriteLine(std::string(254, 'd'));
  EXPECT_THROW(big.Write(std::string(256, 'e')), xrsort::EInOutError);
  EXPECT_THROW(big.WriteLine(std::string(255, 'e')), xrsort::EInOutError);
  big.Close();
  EXPECT_EQ(ReadFile(Path("big.txt")), std::string(200, 'a') + std::string(55, 'b') +
                                           std::string(255, 'c') + std::string(254, 'd') + "\n");
}

TEST_F(TextFileTest, PrivateFilesRefuseAnExistingName) {
  WriteFile(Path("run.tmp"), "planted");
  TXRTextFile file;
  file.Open(Path("run.tmp"), 0, 32768);
  EXPECT_THROW(file.Rewrite(0, false, true), xrsort::EInOutError);
  EXPECT_EQ(ReadFile(Path("run.tmp")), "planted");
  fs::create_symlink(Path("target.txt"), Path("link.tmp"));
  TXRTextFile link;
  link.Open(Path("link.tmp"), 0, 32768);
  EXPECT_THROW(link.Rewrite(0, false, true), xrsort::EInOutError);
  EXPECT_FALSE(fs::exists(Path("target.txt")));
  TXRTextFile fresh;
  fresh.Open(Path("fresh.tmp"), 0, 32768);
  fresh.Rewrite(0, false, true);
  fresh.Close();
  EXPECT_EQ(fs::status(Path("fresh.tmp")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}
