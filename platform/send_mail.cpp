#include "platform/send_mail.h"

#include <curl/curl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "platform/vb_error.h"

namespace vb {

namespace {

// ---- The message ----------------------------------------------------------

// A text that goes on one header line or into an SMTP command: its line
// breaks would start a header or a command of their own.
std::string OneLine(std::string_view text) {
  std::string line;
  for (char c : text) {
    if (c != '\r' && c != '\n') line += c;
  }
  return line;
}

// An address as it goes between "<" and ">"; blanks around it are no part
// of it (an address of blanks alone is none).
std::string BareAddress(std::string_view text) {
  std::string address;
  for (char c : OneLine(text)) {
    if (c != '<' && c != '>') address += c;
  }
  return Trim(address);
}

bool IsPlainAscii(std::string_view text) {
  for (char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

std::string Base64(std::string_view bytes) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = std::min<size_t>(3, bytes.size() - i);
    unsigned v = 0;
    for (size_t k = 0; k < 3; ++k) {
      v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    for (size_t k = 0; k < 4; ++k) out += k <= n ? kDigits[(v >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

// UTF-8 text as encoded words of at most 64 characters, one to a line, so
// that no header line grows past what mail readers take.
std::string EncodedWords(std::string_view utf8) {
  const size_t kChunk = 39;
  std::string out;
  size_t start = 0;
  while (start < utf8.size()) {
    size_t end = std::min(utf8.size(), start + kChunk);
    // Never split the bytes of one character.
    while (end < utf8.size() && end > start + 1 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    if (!out.empty()) out += "\r\n ";
    out += "=?UTF-8?B?" + Base64(utf8.substr(start, end - start)) + "?=";
    start = end;
  }
  return out;
}

// A header's text: as it is when it is short printable ASCII, else encoded.
std::string HeaderText(std::string_view text1252, size_t room) {
  const std::string line = OneLine(text1252);
  if (IsPlainAscii(line) && line.size() <= room) return line;
  return EncodedWords(Utf8From1252(line));
}

// The header `field`'s `"Name" <address>`, or `<address>` when there is no
// name. The address goes on a line of its own where the name's last line
// leaves no room for it within 78 characters.
std::string Mailbox(std::string_view field, std::string_view display_name1252, std::string_view address1252) {
  const std::string address = "<" + Utf8From1252(BareAddress(address1252)) + ">";
  const std::string name = OneLine(display_name1252);
  if (name.empty()) return address;
  std::string phrase;
  if (!IsPlainAscii(name) || name.size() > 60) {
    phrase = EncodedWords(Utf8From1252(name));
  } else {
    phrase = "\"";
    for (char c : name) {
      if (c == '"' || c == '\\') phrase += '\\';
      phrase += c;
    }
    phrase += '"';
  }
  const size_t last_break = phrase.rfind("\r\n");
  const size_t last_line =
      last_break == std::string::npos ? field.size() + 2 + phrase.size() : phrase.size() - last_break - 2;
  return phrase + (last_line + 1 + address.size() <= 78 ? " " : "\r\n ") + address;
}

// Quoted-printable of text whose lines end in CR LF: no encoded line is
// longer than 76 characters, however long the text's own lines are.
std::string QuotedPrintable(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  const auto line_break_at = [text](size_t i) {
    return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
  };
  std::string out;
  size_t line_length = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (line_break_at(i)) {
      out += "\r\n";
      line_length = 0;
      ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool blank_at_line_end = (c == ' ' || c == '\t') && (i + 1 == text.size() || line_break_at(i + 1));
    std::string encoded(1, static_cast<char>(c));
    if ((c < 33 && c != ' ' && c != '\t') || c > 126 || c == '=' || blank_at_line_end) {
      encoded = {'=', kHex[c >> 4], kHex[c & 15]};
    }
    if (line_length + encoded.size() > 75) {
      out += "=\r\n";
      line_length = 0;
    }
    out += encoded;
    line_length += encoded.size();
  }
  return out;
}

// The date of mail headers, in English whatever the locale: "Tue, 3 Mar 2026 09:05:00 +1100".
std::string DateText(std::time_t now) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  localtime_r(&now, &local);
  const long offset = local.tm_gmtoff / 60;
  const long minutes = offset < 0 ? -offset : offset;
  char text[64];
  std::snprintf(text, sizeof text, "%s, %d %s %04d %02d:%02d:%02d %c%02ld%02ld", kDays[local.tm_wday],
                local.tm_mday, kMonths[local.tm_mon], local.tm_year + 1900, local.tm_hour, local.tm_min,
                local.tm_sec, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

// This computer's name as EHLO and message identifiers may carry it.
std::string LocalHostName() {
  char name[256] = "";
  if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
  std::string host;
  for (const char* p = name; *p; ++p) {
    const char c = *p;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.') {
      host += c;
    }
  }
  return host.empty() ? "localhost" : host;
}

std::string MessageId(std::time_t now) {
  static unsigned sequence = 0;
  std::random_device random;
  char id[128];
  std::snprintf(id, sizeof id, "<%lld.%d.%u.%08x@", static_cast<long long>(now), static_cast<int>(::getpid()),
                sequence++, static_cast<unsigned>(random()));
  return id + LocalHostName() + ">";
}

std::string ComposedMessage(const SendMail& mail) {
  const std::time_t now = std::time(nullptr);
  std::string message = "Date: " + DateText(now) + "\r\n";
  message += "From: " + Mailbox("From", mail.FromDisplayName, mail.From) + "\r\n";
  message += "To: " + Mailbox("To", mail.RecipientDisplayName, mail.Recipient) + "\r\n";
  if (!BareAddress(mail.ReplyToAddress).empty()) {
    message += "Reply-To: " + Mailbox("Reply-To", "", mail.ReplyToAddress) + "\r\n";
  }
  message += "Subject: " + HeaderText(mail.Subject, 68) + "\r\n";
  message += "Message-ID: " + MessageId(now) + "\r\n";
  message += "MIME-Version: 1.0\r\n";
  message += "Content-Type: text/plain; charset=UTF-8\r\n";
  message += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
  message += QuotedPrintable(Utf8From1252(mail.Message));
  if (message.size() < 2 || message.compare(message.size() - 2, 2, "\r\n") != 0) message += "\r\n";
  return message;
}

// "smtp://host[:port]/helo-name" from the server setting.
std::string ServerUrl(std::string_view server1252) {
  std::string url = Utf8From1252(OneLine(server1252));
  if (url.find("://") == std::string::npos) url = "smtp://" + url;
  if (url.find('/', url.find("://") + 3) == std::string::npos) url += "/" + LocalHostName();
  return url;
}

// ---- The transfer ---------------------------------------------------------

// What libcurl's callbacks see of one send. They only collect: the events
// are raised between libcurl's steps, never from inside them.
struct Transfer {
  std::string message;
  size_t sent = 0;
  std::vector<std::string> status_lines;
  long percent = -1;
  bool percent_changed = false;
  std::chrono::steady_clock::time_point deadline;
};

size_t ReadMessage(char* buffer, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t n = std::min(size * count, transfer->message.size() - transfer->sent);
  transfer->message.copy(buffer, n, transfer->sent);
  transfer->sent += n;
  return n;
}

// The dialogue with the server becomes status lines: "> " what was sent,
// "< " what came back; the message itself is left out.
int Trace(CURL*, curl_infotype type, char* data, size_t size, void* user) {
  const char* prefix;
  switch (type) {
    case CURLINFO_TEXT: prefix = ""; break;
    case CURLINFO_HEADER_IN: prefix = "< "; break;
    case CURLINFO_HEADER_OUT: prefix = "> "; break;
    default: return 0;
  }
  auto* transfer = static_cast<Transfer*>(user);
  std::string_view text(data, size);
  while (!text.empty()) {
    const size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string line = Trim(text.substr(0, end));
    if (!line.empty()) transfer->status_lines.push_back(prefix + Utf8To1252(line));
    text.remove_prefix(std::min(text.size(), end + 1));
  }
  return 0;
}

// libcurl waits for some replies without returning (the one to the end of
// the message, and QUIT's as the connection closes, which no total time-out
// bounds), but calls this meanwhile: a send still going at its deadline ends.
int TrackProgress(void* user, curl_off_t, curl_off_t, curl_off_t upload_total, curl_off_t uploaded) {
  auto* transfer = static_cast<Transfer*>(user);
  if (std::chrono::steady_clock::now() >= transfer->deadline) return 1;
  if (upload_total > 0) {
    const long percent = static_cast<long>(uploaded * 100 / upload_total);
    transfer->percent_changed |= percent != transfer->percent;
    transfer->percent = percent;
  }
  return 0;
}

// The libcurl handles of one send, released however the send ends.
struct Handles {
  CURLM* multi = curl_multi_init();
  CURL* easy = curl_easy_init();
  curl_slist* recipients = nullptr;
  bool added = false;
  ~Handles() {
    if (added) curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(recipients);
  }
};

template <typename Value>
void SetOption(CURL* easy, CURLoption option, Value value) {
  const CURLcode code = curl_easy_setopt(easy, option, value);
  if (code != CURLE_OK) Raise(code == CURLE_OUT_OF_MEMORY ? 7 : 5, curl_easy_strerror(code));
}

// Sets up one send of `transfer.message` on `easy` (libcurl keeps copies of
// the texts); `error` receives libcurl's explanation of a failure.
void SetOptions(CURL* easy, const SendMail& mail, Transfer& transfer, curl_slist* recipients, char* error) {
  const std::string url = ServerUrl(mail.SmtpHost);
  const std::string sender = "<" + Utf8From1252(BareAddress(mail.From)) + ">";
  SetOption(easy, CURLOPT_URL, url.c_str());
  SetOption(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  // Plain SMTP goes over TLS when the server offers it; a school's own
  // server often has a certificate of its own making, so it is not checked
  // there. "smtps://" checks it against the system's authorities.
  if (LCase(url.substr(0, 8)) != "smtps://") {
    SetOption(easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    SetOption(easy, CURLOPT_SSL_VERIFYPEER, 0L);
    SetOption(easy, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  SetOption(easy, CURLOPT_MAIL_FROM, sender.c_str());
  SetOption(easy, CURLOPT_MAIL_RCPT, recipients);
  SetOption(easy, CURLOPT_UPLOAD, 1L);
  SetOption(easy, CURLOPT_READFUNCTION, ReadMessage);
  SetOption(easy, CURLOPT_READDATA, &transfer);
  SetOption(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(transfer.message.size()));
  SetOption(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(mail.ConnectTimeoutMs));
  SetOption(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(mail.TotalTimeoutMs));
  SetOption(easy, CURLOPT_NOSIGNAL, 1L);
  // The connection closes, with its QUIT, before the send is over.
  SetOption(easy, CURLOPT_FORBID_REUSE, 1L);
  SetOption(easy, CURLOPT_ERRORBUFFER, error);
  SetOption(easy, CURLOPT_VERBOSE, 1L);
  SetOption(easy, CURLOPT_DEBUGFUNCTION, Trace);
  SetOption(easy, CURLOPT_DEBUGDATA, &transfer);
  SetOption(easy, CURLOPT_NOPROGRESS, 0L);
  SetOption(easy, CURLOPT_XFERINFOFUNCTION, TrackProgress);
  SetOption(easy, CURLOPT_XFERINFODATA, &transfer);
}

// Raises the Status and Progress events of what the callbacks collected.
void RaiseCollected(const SendMail& mail, Transfer& transfer) {
  std::vector<std::string> lines;
  lines.swap(transfer.status_lines);
  for (const std::string& line : lines) {
    if (mail.Status) mail.Status(line);
  }
  if (transfer.percent_changed && mail.Progress) mail.Progress(transfer.percent);
  transfer.percent_changed = false;
}

// Runs the send to its end, raising the events collected at each step and
// letting the program's windows work in between. Gives libcurl's result;
// a failure of the multi interface itself leaves its text in `explanation`.
CURLcode Perform(CURLM* multi, const SendMail& mail, Transfer& transfer, std::string& explanation) {
  CURLcode result = CURLE_OK;
  for (;;) {
    bool done = false;
    int running = 0;
    const CURLMcode step = curl_multi_perform(multi, &running);
    if (step != CURLM_OK) {
      explanation = curl_multi_strerror(step);
      done = true;
    }
    int left = 0;
    while (CURLMsg* info = curl_multi_info_read(multi, &left)) {
      if (info->msg == CURLMSG_DONE) {
        result = info->data.result;
        done = true;
      }
    }
    RaiseCollected(mail, transfer);
    if (done) return result;
    curl_multi_poll(multi, nullptr, 0, 50, nullptr);
    if (mail.EventPump) mail.EventPump();
  }
}

// Raises SendSuccesful, or the reason of the failure as a status line and
// then SendFailed.
void Report(const SendMail& mail, CURLcode result, std::string explanation, const char* error) {
  if (explanation.empty() && result == CURLE_OK) {
    if (mail.SendSuccesful) mail.SendSuccesful();
    return;
  }
  if (result == CURLE_ABORTED_BY_CALLBACK) {
    explanation = "Operation timed out after " + std::to_string(mail.TotalTimeoutMs) + " milliseconds";
  }
  if (explanation.empty()) explanation = error[0] ? error : curl_easy_strerror(result);
  explanation = Utf8To1252(Trim(OneLine(explanation)));
  // The reason is shown among the status lines as well: a caller may keep
  // the explanation to itself.
  if (mail.Status) mail.Status("Error: " + explanation);
  if (mail.SendFailed) mail.SendFailed(explanation);
}

}  // namespace

SendMail::SendMail() {
  static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (initialised != CURLE_OK) Raise(7, curl_easy_strerror(initialised));
}

void SendMail::Send() {
  // libcurl takes 0 for no time-out at all.
  if (ConnectTimeoutMs <= 0 || TotalTimeoutMs <= 0) Raise(5, "a mail time-out must be positive");
  Transfer transfer;
  transfer.message = ComposedMessage(*this);
  transfer.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TotalTimeoutMs);
  char error[CURL_ERROR_SIZE] = "";
  Handles handles;
  if (handles.multi == nullptr || handles.easy == nullptr) Raise(7, "no memory for the mail handles");
  handles.recipients = curl_slist_append(nullptr, ("<" + Utf8From1252(BareAddress(Recipient)) + ">").c_str());
  if (handles.recipients == nullptr) Raise(7, "no memory for the recipient");
  SetOptions(handles.easy, *this, transfer, handles.recipients, error);
  const CURLMcode added = curl_multi_add_handle(handles.multi, handles.easy);
  if (added != CURLM_OK) Raise(added == CURLM_OUT_OF_MEMORY ? 7 : 5, curl_multi_strerror(added));
  handles.added = true;
  std::string explanation;
  const CURLcode result = Perform(handles.multi, *this, transfer, explanation);
  Report(*this, result, explanation, error);
}

}  // namespace vb
