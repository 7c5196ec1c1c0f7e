#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// What a statement fails with: "io: <text>" for an in/out error, the text
// alone for any other, "" when it does not fail.
std::string FailureOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const xrsort::EInOutError& e) {
    return std::string("io: ") + e.what();
  } catch (const xrsort::Exception& e) {
    return e.what();
  }
  return "";
}

class TextFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return (drives_.drive('C') / name).string(); }

  // Every line of `bytes` as read with a buffer of `size` (and record length);
  // with `past_end`, one read more.
  Lines ReadAll(const std::string& bytes, int32_t size = 32768, int32_t record = 0,
                bool past_end = false) {
    WriteFile(Path("in.txt"), bytes);
    TXRTextFile file;
    file.Open(Path("in.txt"), record, size);
    file.Reset();
    Lines lines;
    while (!file.Eof()) lines.push_back(file.ReadLine());
    if (past_end) file.ReadLine();
    return lines;
  }

  std::string ReadFailure(const std::string& bytes, int32_t size = 32768, int32_t record = 0,
                          bool past_end = false) {
    return FailureOf([&] { ReadAll(bytes, size, record, past_end); });
  }

  testing_support::TempDrives drives_{"C"};
};

}  // namespace

// Every line-end style, Ctrl-Z, and lines against the buffer's end.
TEST_F(TextFileTest, LinesAsRead) {
  const std::string x253(253, 'x'), a100(100, 'a'), b152(152, 'b');
  const std::string l32766(32766, 'a'), l32767(32767, 'b');
  const struct {
    std::string bytes;
    int32_t buffer;
    Lines lines;
  } cases[] = {
      {"a\r\nb", 32768, {"a", "b"}},
      {"a\n\rb\n\r", 32768, {"a", "b"}},
      {"a\rb\r", 32768, {"a", "b"}},
      {"a\nb\n", 32768, {"a", "b"}},
      {"a\n\nb", 32768, {"a", "", "b"}},
      {"a\r\r\nb", 32768, {"a", "", "b"}},
      {std::string("a\0b\n", 4), 32768, {std::string("a\0b", 3)}},
      {"", 32768, {}},
      {"\x1a", 32768, {}},
      {"a\r\n\x1a", 32768, {"a"}},
      {"a\r\nb\x1a", 32768, {"a", "b"}},
      {"a\x1a" "b\r\n", 32768, {"a\x1a" "b"}},
      // Inside the file a Ctrl-Z after a line end starts the next line,
      // wherever the buffer ends.
      {"a\r\n\x1a" "b\r\n", 32768, {"a", "\x1a" "b"}},
      {x253 + "\r\n\x1a" "b\r\n", 255, {x253, "\x1a" "b"}},
      {x253 + "\r\n\x1a", 255, {x253}},
      // A CR LF split by the end of the buffer is one line end.
      {a100 + "\r\n" + b152 + "\r\nc\r\n", 255, {a100, b152, "c"}},
      {l32766 + "\r\nnext\r\n", 32768, {l32766, "next"}},
      {l32767 + "\n", 32768, {l32767}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAll(c.bytes, c.buffer), c.lines) << c.bytes.substr(0, 8) << " " << c.buffer;
  }
  EXPECT_EQ(ReadFailure("x\r\n" + l32767 + "\r\nnext\r\n"),
            "io: Not a text file or line exceeds buffer size");
  EXPECT_EQ(ReadFailure(l32767 + "\nnext"), "io: Not a text file or line exceeds buffer size");
  EXPECT_EQ(ReadFailure("", 32768, 0, true), "io: Read beyond end of file");
  EXPECT_EQ(ReadFailure("a\r\n\x1a", 32768, 0, true), "io: Read beyond end of file");
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
  EXPECT_EQ(ReadFailure(r30 + "12345", 32768, 10), "io: Invalid record length");
  EXPECT_EQ(ReadFailure(r30, 32768, 32768), "io: Record too large (exceeds buffer size)");
  // Records that straddle the buffer are refilled; a final Ctrl-Z ends the
  // records wherever the buffer ends.
  std::string records;
  for (int i = 0; i < 512; ++i) records += std::string(64, static_cast<char>('A' + i % 26));
  EXPECT_EQ(ReadAll(records, 255, 64).size(), 512u);
  for (int buffer : {255, 300, 320, 32768 - 63, 32768}) {
    EXPECT_EQ(ReadAll(records + "\x1a", buffer, 64).size(), 512u) << buffer;
  }
}

TEST_F(TextFileTest, OpenBoundsAndFailures) {
  TXRTextFile file;
  file.Open(Path("x.txt"), 0, 100);
  EXPECT_EQ(file.BufferSize(), 255);
  file.Open(Path("x.txt"), 0, 5000000);
  EXPECT_EQ(file.BufferSize(), 1048576);
  EXPECT_EQ(FailureOf([&] { file.Open(Path("x.txt"), -1, 32768); }), "Invalid Record Lenght");

  TXRTextFile writer;
  writer.Open(Path("w.txt"), 0, 32768);
  writer.Rewrite(0, false);
  EXPECT_EQ(FailureOf([&] { writer.ReadLine(); }), "io: Invalid direction for reading file");
  writer.Close();
  EXPECT_EQ(FailureOf([&] { writer.Close(); }), "io: I/O error 103");
  TXRTextFile missing;
  missing.Open(Path("none.txt"), 0, 32768);
  EXPECT_EQ(FailureOf([&] { missing.Reset(); }), "io: File not found");
  TXRTextFile nowhere;
  nowhere.Open(Path("nofolder/x.txt"), 0, 32768);
  EXPECT_EQ(FailureOf([&] { nowhere.Rewrite(0, false); }), "io: Invalid filename");
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
  fs::create_symlink(Path("target.txt"), Path("link.tmp"));
  for (const char* name : {"run.tmp", "link.tmp"}) {
    TXRTextFile file;
    file.Open(Path(name), 0, 32768);
    EXPECT_THROW(file.Rewrite(0, false, true), xrsort::EInOutError) << name;
  }
  EXPECT_EQ(ReadFile(Path("run.tmp")), "planted");
  EXPECT_FALSE(fs::exists(Path("target.txt")));
  TXRTextFile fresh;
  fresh.Open(Path("fresh.tmp"), 0, 32768);
  fresh.Rewrite(0, false, true);
  fresh.Close();
  EXPECT_EQ(fs::status(Path("fresh.tmp")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}
