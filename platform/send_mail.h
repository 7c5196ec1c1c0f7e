// The mail component: one object that sends one plain-text message at a time
// through an SMTP server, raising its events on the caller's thread.
#pragma once

#include <functional>
#include <string>

namespace vb {

class SendMail {
 public:
  SendMail();
  SendMail(const SendMail&) = delete;
  SendMail& operator=(const SendMail&) = delete;

  // What one send is made of, in windows-1252. The server is "host",
  // "host:port" (port 25 by default) or "smtps://host[:port]".
  std::string SmtpHost;
  std::string From;
  std::string FromDisplayName;
  std::string Recipient;
  std::string RecipientDisplayName;
  std::string ReplyToAddress;
  std::string Subject;
  std::string Message;  // lines ended by CR LF

  // Positive; the send fails when the server takes longer.
  int ConnectTimeoutMs = 30000;
  int TotalTimeoutMs = 120000;

  // The events, raised while Send runs: Status any number of times, Progress
  // as the message goes out, then SendSuccesful or SendFailed.
  std::function<void(const std::string& status)> Status;
  std::function<void(long percent_complete)> Progress;
  std::function<void()> SendSuccesful;
  std::function<void(const std::string& explanation)> SendFailed;

  // Runs between the steps of a send, so that the program's windows go on
  // showing what happens while Send waits for the server.
  std::function<void()> EventPump;

  // Sends the message and returns when the server has taken it or the send
  // has failed. A send that cannot even be started raises vb::Error.
  void Send();
};

}  // namespace vb
