#include "tests/support/smtp_sink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <stdexcept>

namespace testing_support {

namespace {

void Say(int connection, std::string_view reply) {
  while (!reply.empty()) {
    const ssize_t n = ::send(connection, reply.data(), reply.size(), MSG_NOSIGNAL);
    if (n <= 0) return;
    reply.remove_prefix(static_cast<size_t>(n));
  }
}

bool Waiting(int fd, const std::atomic<bool>& stopping) {
  pollfd ready{fd, POLLIN, 0};
  while (!stopping) {
    if (::poll(&ready, 1, 20) > 0) return true;
  }
  return false;
}

std::string Verb(const std::string& line) {
  std::string verb;
  for (char c : line.substr(0, 4)) verb += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return verb;
}

}  // namespace

SmtpSink::SmtpSink(Behaviour behaviour) : behaviour_(behaviour) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("no port for the SMTP sink");
  }
  port_ = ntohs(address.sin_port);
  // A port just given up: connections to it are refused.
  if (behaviour_ == kNotListening) {
    ::close(listener_);
    listener_ = -1;
    return;
  }
  ::listen(listener_, 4);
  thread_ = std::thread([this] { Serve(); });
}

SmtpSink::~SmtpSink() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) ::close(listener_);
}

std::string SmtpSink::Server() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<SmtpSink::Mail> SmtpSink::Received() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

void SmtpSink::Serve() {
  while (Waiting(listener_, stopping_)) {
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Talk(connection);
    ::close(connection);
  }
}

bool SmtpSink::ReadLine(int connection, std::string& buffer, std::string& line) {
  for (;;) {
    const size_t end = buffer.find("\r\n");
    if (end != std::string::npos) {
      line = buffer.substr(0, end);
      buffer.erase(0, end + 2);
      return true;
    }
    if (!Waiting(connection, stopping_)) return false;
    char chunk[4096];
    const ssize_t n = ::recv(connection, chunk, sizeof chunk, 0);
    if (n <= 0) return false;
    buffer.append(chunk, static_cast<size_t>(n));
  }
}

void SmtpSink::Talk(int connection) {
  std::string buffer, line;
  if (behaviour_ == kNeverAnswers) {
    while (ReadLine(connection, buffer, line)) {
    }
    return;
  }
  Say(connection, "220 sink.test ESMTP\r\n");
  Mail mail;
  while (ReadLine(connection, buffer, line)) {
    const std::string verb = Verb(line);
    if (verb == "EHLO") {
      Say(connection, "250-sink.test\r\n250 8BITMIME\r\n");
    } else if (verb == "MAIL") {
      if (behaviour_ == kRefusesSender) {
        Say(connection, "550 5.7.1 Sender refused\r\n");
        continue;
      }
      mail = Mail{line.substr(line.find(':') + 1), {}, {}};
      Say(connection, "250 OK\r\n");
    } else if (verb == "RCPT") {
      mail.recipients.push_back(line.substr(line.find(':') + 1));
      Say(connection, "250 OK\r\n");
    } else if (verb == "DATA") {
      Say(connection, "354 Go ahead\r\n");
      bool whole = false;
      while (!whole && ReadLine(connection, buffer, line)) {
        whole = line == ".";
        if (!whole) mail.data += (line.rfind("..", 0) == 0 ? line.substr(1) : line) + "\r\n";
      }
      if (!whole) return;
      if (behaviour_ == kNeverConfirms) {
        while (ReadLine(connection, buffer, line)) {
        }
        return;
      }
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back(mail);
      }
      Say(connection, "250 OK queued\r\n");
    } else if (verb == "QUIT") {
      Say(connection, "221 Bye\r\n");
      return;
    } else if (verb == "HELO" || verb == "RSET" || verb == "NOOP") {
      Say(connection, "250 OK\r\n");
    } else {
      Say(connection, "500 Unknown command\r\n");
    }
  }
}

std::string MailHeader(std::string_view data, std::string_view name) {
  const std::string head(data.substr(0, data.find("\r\n\r\n")));
  const std::string start = std::string(name) + ": ";
  size_t at = head.rfind(start, 0) == 0 ? 0 : head.find("\r\n" + start);
  if (at == std::string::npos) return "";
  if (at > 0) at += 2;
  std::string value;
  for (size_t i = at + start.size(); i < head.size(); ++i) {
    if (head.compare(i, 2, "\r\n") == 0) {
      if (i + 2 >= head.size() || (head[i + 2] != ' ' && head[i + 2] != '\t')) break;
      ++i;
      continue;
    }
    value += head[i];
  }
  return value;
}

std::string MailBody(std::string_view data) {
  const size_t start = data.find("\r\n\r\n");
  if (start == std::string_view::npos) return "";
  const std::string_view body = data.substr(start + 4);
  std::string decoded;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '=') {
      decoded += body[i];
    } else if (body.substr(i + 1, 2) == "\r\n") {
      i += 2;
    } else {
      decoded += static_cast<char>(std::stoi(std::string(body.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    }
  }
  return decoded;
}

}  // namespace testing_support
