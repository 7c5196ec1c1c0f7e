// The library's two exported calls and its last-error text; progress goes
// to the caller's log sink.
#include <cstring>
#include <new>
#include <string>

#include "sortlib/XRsortLib.h"
#include "sortlib/xr_file_sorter.h"

namespace {

// One text per loaded library, empty at load and at each SortFile.
std::string& LastErrorText() {
  static std::string text;
  return text;
}

// Appends one progress text and a line end to the sorter's log sink.
void LogToWindow(const xrsort::TXRFileSorter& sorter, const std::string& text) {
  const XRLogSink* sink = static_cast<const XRLogSink*>(sorter.LogWindow);
  if (sink == nullptr || sink->magic != XRSORT_LOG_SINK_MAGIC || sink->append == nullptr) return;
  sink->append(sink->context, text.c_str());
  sink->append(sink->context, "\r\n");
}

}  // namespace

extern "C" int32_t SortFile(const char* CommandLine, void* LogWindow) {
  int32_t result = -1;
  LastErrorText().clear();
  try {
    xrsort::TXRFileSorter sorter;
    sorter.LogWindow = LogWindow;
    sorter.OnMessage = [&sorter](const std::string& text) { LogToWindow(sorter, text); };
    sorter.Sort(CommandLine != nullptr ? std::string(CommandLine) : std::string());
  } catch (const std::bad_alloc&) {
    result = 0;
    LastErrorText() = "Out of memory";
  } catch (const std::exception& e) {
    result = 0;
    LastErrorText() = e.what();
  } catch (...) {
    result = 0;
    LastErrorText() = "Unknown error";
  }
  return result;
}

extern "C" int32_t GetLastErrorStr(char* Buffer, uint32_t MaxLen) {
  const std::string& text = LastErrorText();
  if (text.empty()) return 0;
  if (Buffer == nullptr) return -1;
  const size_t n = text.size() < MaxLen ? text.size() : MaxLen;
  std::memcpy(Buffer, text.data(), n);
  Buffer[n] = '\0';
  return -1;
}
