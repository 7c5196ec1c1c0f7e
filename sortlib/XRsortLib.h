/* XRsortLib: sorts a text file line by line under a command line of switches.
   The library's public calls, for any caller that loads it by path. */
#ifndef XRSORTLIB_H_
#define XRSORTLIB_H_

#include <stdint.h>

#if defined(XRSORTLIB_BUILDING)
#define XRSORT_EXPORT __attribute__((visibility("default")))
#else
#define XRSORT_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The file name of the library in the program folder. */
#define XRSORTLIB_FILE_NAME "XRsortLib.so"

/* Where progress texts go. The library calls `append` with each progress
   text and then with the line end "\r\n"; the caller appends both to its
   log and repaints it at the line end. A null LogWindow, or a sink whose
   `magic` is not XRSORT_LOG_SINK_MAGIC, drops the texts. */
#define XRSORT_LOG_SINK_MAGIC 0x58524C47u /* "XRLG" */
typedef struct XRLogSink {
  uint32_t magic;
  void (*append)(void* context, const char* text);
  void* context;
} XRLogSink;

/* Sorts one file. CommandLine is "[switches] <input> <output>", windows-1252,
   blank-separated with no quoting. The paths are Windows-form
   ("D:\orvane\ovshrtct.srt") or names relative to the current folder; since a
   "/" begins a switch, a native absolute path cannot be passed. "/T=TMP" puts
   the sort's private work folder under $TMPDIR, else /tmp. LogWindow is null
   or points to an XRLogSink. Returns -1 when the sort ran to its end, 0 when
   it failed (the reason is then the last error text). One call at a time. */
XRSORT_EXPORT int32_t SortFile(const char* CommandLine, void* LogWindow);

/* Copies at most MaxLen characters of the last failed sort's message into
   Buffer, followed by a NUL (Buffer holds MaxLen + 1 bytes). Returns 0 when
   there is no message (the buffer is untouched), else -1. */
XRSORT_EXPORT int32_t GetLastErrorStr(char* Buffer, uint32_t MaxLen);

typedef int32_t (*XRSortFileProc)(const char*, void*);
typedef int32_t (*XRGetLastErrorStrProc)(char*, uint32_t);

#ifdef __cplusplus
}
#endif

#endif /* XRSORTLIB_H_ */
