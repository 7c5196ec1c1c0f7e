#include "platform/send_mail.h"

#include <gtest/gtest.h>

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "platform/text.h"
#include "tests/support/smtp_sink.h"

namespace {

using testing_support::MailBody;
using testing_support::MailHeader;
using testing_support::SmtpSink;

// The bytes of base64 text.
std::string FromBase64(std::string_view text) {
  static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  unsigned bits = 0, count = 0;
  for (char c : text) {
    if (c == '=') break;
    bits = (bits << 6) | static_cast<unsigned>(kDigits.find(c));
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  return bytes;
}

// The text of a header value's encoded words joined (what stands between
// them is dropped); each word on its own must hold whole characters.
std::string DecodedWords(std::string_view value) {
  std::string text;
  for (size_t at = 0; (at = value.find("=?UTF-8?B?", at)) != std::string_view::npos;) {
    const size_t end = value.find("?=", at + 10);
    const std::string bytes = FromBase64(value.substr(at + 10, end - at - 10));
    EXPECT_TRUE(vb::IsValidUtf8(bytes)) << value;
    text += bytes;
    at = end + 2;
  }
  return text;
}

// "Wed, 9 Dec 2026 10:36:28 -0330": a moment from `from` to `to`, written in
// the time of the zone `offset` names.
void ExpectDateBetween(const std::string& date, const std::string& offset, std::time_t from, std::time_t to) {
  std::tm parsed{};
  ASSERT_NE(::strptime(date.c_str(), "%a, %d %b %Y %H:%M:%S %z", &parsed), nullptr) << date;
  EXPECT_TRUE(date.ends_with(" " + offset)) << date;
  std::tm normal = parsed;
  const std::time_t sent = ::timegm(&normal) - parsed.tm_gmtoff;
  EXPECT_EQ(normal.tm_wday, parsed.tm_wday) << date;
  EXPECT_GE(sent, from) << date;
  EXPECT_LE(sent, to) << date;
}

// Header lines within 78 characters, body lines within 76, and no line of
// the body ends in a blank that a server could drop.
void ExpectLinesWithinLimits(const std::string& data) {
  const size_t head_end = data.find("\r\n\r\n");
  for (size_t start = 0, end; (end = data.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = data.substr(start, end - start);
    EXPECT_LE(line.size(), start < head_end ? 78u : 76u) << line;
    if (start > head_end && !line.empty()) {
      EXPECT_NE(line.back(), ' ') << line;
      EXPECT_NE(line.back(), '\t') << line;
    }
  }
}

// The local time zone, as POSIX writes it, for the life of the object.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old, had_ = true;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (had_) ::setenv("TZ", old_.c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::string old_;
  bool had_ = false;
};

// Whatever the texts hold, the message arrives whole, with one header each
// and only the one recipient, and no line that SMTP would refuse.
TEST(SendMail, DeliversTheMessageAsComposed) {
  SmtpSink sink(SmtpSink::kTakesMail);
  vb::SendMail mail;
  std::vector<std::string> events;
  mail.Status = [&](const std::string& line) { events.push_back(line); };
  mail.SendSuccesful = [&] { events.push_back("(sent)"); };
  mail.SendFailed = [&](const std::string& why) { events.push_back("(failed) " + why); };
  mail.SmtpHost = sink.Server();
  mail.From = "jo@example.org";
  mail.Recipient = "help@example.org";
  mail.RecipientDisplayName = "Computer Help";
  mail.ReplyToAddress = "jo@example.org";
  const struct {
    std::string name, subject, body, from_header, subject_header;
  } cases[] = {
      {"Hall", "Help - 1234", "Line 1\r\nLine 2\r\n", "\"Hall\" <jo@example.org>", "Help - 1234"},
      {"", "Help - ", ".\r\n..two\r\n" + std::string(1000, 'x') + "\r\nCaf\xe9 = 5 \r\nend", "<jo@example.org>",
       "Help - "},
      {"Caf\xe9 Hall", "Caf\xe9", "x\r\n", "=?UTF-8?B?Q2Fmw6kgSGFsbA==?= <jo@example.org>", "=?UTF-8?B?Q2Fmw6k=?="},
      {"Hall \"A\"\r\nBcc: evil@example.org", "Help\r\nBcc: evil@example.org", "x\r\n",
       "\"Hall \\\"A\\\"Bcc: evil@example.org\" <jo@example.org>", "HelpBcc: evil@example.org"},
  };
  for (const auto& c : cases) {
    events.clear();
    mail.FromDisplayName = c.name;
    mail.Subject = c.subject;
    mail.Message = c.body;
    mail.Send();
    ASSERT_EQ(events.back(), "(sent)") << c.subject;
    // The connection is closed before the send is over.
    EXPECT_NE(std::find(events.begin(), events.end(), "< 221 Bye"), events.end());
    const SmtpSink::Mail received = sink.Received().back();
    EXPECT_EQ(received.sender, "<jo@example.org>");
    EXPECT_EQ(received.recipients, std::vector<std::string>{"<help@example.org>"});
    EXPECT_EQ(MailHeader(received.data, "From"), c.from_header);
    EXPECT_EQ(MailHeader(received.data, "To"), "\"Computer Help\" <help@example.org>");
    EXPECT_EQ(MailHeader(received.data, "Reply-To"), "<jo@example.org>");
    EXPECT_EQ(MailHeader(received.data, "Subject"), c.subject_header);
    EXPECT_EQ(MailHeader(received.data, "Bcc"), "");
    EXPECT_EQ(MailHeader(received.data, "Content-Transfer-Encoding"), "quoted-printable");
    const std::string body = c.body.ends_with("\r\n") ? c.body : c.body + "\r\n";
    EXPECT_EQ(MailBody(received.data), vb::Utf8From1252(body)) << c.subject;
    for (size_t start = 0, end; (end = received.data.find("\r\n", start)) != std::string::npos; start = end + 2) {
      EXPECT_LE(end - start, 998u);
    }
  }
  EXPECT_EQ(sink.Received().size(), std::size(cases));
}

// The headers stay within what mail readers take, whatever the sender's
// name, the subject, the reply-to address and the time zone.
TEST(SendMail, HeadersAreWellFormed) {
  SmtpSink sink(SmtpSink::kTakesMail);
  vb::SendMail mail;
  mail.SmtpHost = sink.Server();
  mail.From = "jo@example.org";
  mail.Recipient = "help@example.org";
  mail.RecipientDisplayName = "Computer Help";
  std::string long_subject = "Computer Help Request - ";
  for (int i = 0; i < 20; ++i) long_subject += "\xEB\x80";  // two bytes and three in UTF-8
  const struct {
    const char* zone;
    std::string name, reply_to, subject, body;
    std::string from_header;  // "" when the name goes in encoded words
    std::string reply_to_header, offset;
  } cases[] = {
      {"XST+03:30", "Hall \\ \"A\"", "jo@example.org", "Computer Help Request - 1234", "x\r\n",
       "\"Hall \\\\ \\\"A\\\"\" <jo@example.org>", "<jo@example.org>", "-0330"},
      {"XET-05:45", "\xC9" "cole Saint-J\xE9r\xF4me de Montr\xE9" "al, Campus Nord", "", long_subject, "x\r\n", "", "",
       "+0545"},
      {"UTC0", "The Very Long Name of a School Campus With Many Words In It", " ", "Computer Help Request - ",
       "Line \r\nTab\t\r\n\r\nend ", "\"The Very Long Name of a School Campus With Many Words In It\" <jo@example.org>",
       "", "+0000"},
  };
  for (const auto& c : cases) {
    TimeZone zone(c.zone);
    mail.FromDisplayName = c.name;
    mail.ReplyToAddress = c.reply_to;
    mail.Subject = c.subject;
    mail.Message = c.body;
    const std::time_t before = std::time(nullptr);
    mail.Send();
    const std::string data = sink.Received().back().data;
    const std::string from = MailHeader(data, "From"), subject = MailHeader(data, "Subject");
    if (c.from_header.empty()) {
      EXPECT_EQ(DecodedWords(from), vb::Utf8From1252(c.name));
      EXPECT_TRUE(from.ends_with("?= <jo@example.org>")) << from;
    } else {
      EXPECT_EQ(from, c.from_header);
    }
    EXPECT_EQ(subject.starts_with("=?") ? DecodedWords(subject) : subject, vb::Utf8From1252(c.subject));
    EXPECT_EQ(data.find("Reply-To:") != std::string::npos, !c.reply_to_header.empty()) << c.zone;
    EXPECT_EQ(MailHeader(data, "Reply-To"), c.reply_to_header);

    ExpectDateBetween(MailHeader(data, "Date"), c.offset, before, std::time(nullptr));
    EXPECT_EQ(MailBody(data), vb::Utf8From1252(c.body.ends_with("\r\n") ? c.body : c.body + "\r\n"));
    ExpectLinesWithinLimits(data);
  }
}

// Addresses typed with their angle brackets (and blanks) go out with one
// pair; body lines of any length, encoded or not, stay within 76
// characters, and the headers within 78.
TEST(SendMail, TypedAnglesAreNotDoubledAndLinesKeepTheirLimits) {
  SmtpSink sink(SmtpSink::kTakesMail);
  vb::SendMail mail;
  mail.SmtpHost = sink.Server();
  mail.FromDisplayName = "Hall";
  mail.RecipientDisplayName = "Computer Help";
  mail.Subject = "Computer Help Request - 1234";
  const std::string wide = std::string(200, 'x') + "\r\n" + std::string(80, '\xe9') + "\r\n" +
                           std::string(120, '=') + "\r\n" + std::string(75, 'y') + " \r\nend";
  const struct {
    std::string from, recipient, reply_to, body;
  } cases[] = {
      {" <jo@example.org> ", "<help@example.org>", "<jo@example.org>", wide},
      {"jo@example.org", "help@example.org", "jo@example.org", std::string(76, 'z') + "\r\n" + wide},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    mail.From = c.from;
    mail.Recipient = c.recipient;
    mail.ReplyToAddress = c.reply_to;
    mail.Message = c.body;
    mail.Send();
    const SmtpSink::Mail received = sink.Received().back();
    EXPECT_EQ(received.sender, "<jo@example.org>");
    EXPECT_EQ(received.recipients, std::vector<std::string>{"<help@example.org>"});
    EXPECT_EQ(MailHeader(received.data, "From"), "\"Hall\" <jo@example.org>");
    EXPECT_EQ(MailHeader(received.data, "To"), "\"Computer Help\" <help@example.org>");
    EXPECT_EQ(MailHeader(received.data, "Reply-To"), "<jo@example.org>");
    EXPECT_EQ(MailBody(received.data), vb::Utf8From1252(c.body + "\r\n"));
    ExpectLinesWithinLimits(received.data);
  }
  EXPECT_EQ(sink.Received().size(), std::size(cases));
}

}  // namespace
