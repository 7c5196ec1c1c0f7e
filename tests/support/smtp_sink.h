// A small SMTP server on 127.0.0.1 for tests, on a thread of its own: it
// takes mail, refuses the sender, never says a word, or takes the message
// and never says whether it has it; or nothing listens.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace testing_support {

class SmtpSink {
 public:
  enum Behaviour { kTakesMail, kRefusesSender, kNeverAnswers, kNeverConfirms, kNotListening };

  struct Mail {
    std::string sender;                   // as MAIL FROM: gave it
    std::vector<std::string> recipients;  // as each RCPT TO: gave it
    std::string data;                     // the message, dots unstuffed
  };

  explicit SmtpSink(Behaviour behaviour);
  ~SmtpSink();
  SmtpSink(const SmtpSink&) = delete;
  SmtpSink& operator=(const SmtpSink&) = delete;

  // "127.0.0.1:port"
  std::string Server() const;
  std::vector<Mail> Received() const;

 private:
  void Serve();
  void Talk(int connection);
  // False at the end of the connection or when the sink stops.
  bool ReadLine(int connection, std::string& buffer, std::string& line);

  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<Mail> received_;
  std::thread thread_;
};

// A received message's header (continuation lines joined, not decoded),
// "" when it has none.
std::string MailHeader(std::string_view data, std::string_view name);
// The body, its quoted-printable decoded.
std::string MailBody(std::string_view data);

}  // namespace testing_support
