#include "platform/send_mail.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "tests/support/smtp_sink.h"

namespace {

using testing_support::MailBody;
using testing_support::MailHeader;
using testing_support::SmtpSink;

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

}  // namespace
