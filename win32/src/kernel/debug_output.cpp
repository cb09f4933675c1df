// Debug output. No debugger is attached, so text is dropped, except the program's event lines
// (JSON objects beginning {"ev":), which go to the event log and to the backend. Their text is
// the program's 8-bit ANSI text; the log holds UTF-8.
#include <cstdio>
#include <cstring>
#include <string>

#include "backend/backend.h"
#include "base/code_page_1252.h"
#include "platform/event_log.h"
#include "win32_api.h"

void WINAPI OutputDebugStringA(LPCSTR text) {
  static const char kEventStart[] = "{\"ev\":";
  if (!text || std::strncmp(text, kEventStart, sizeof kEventStart - 1) != 0) return;
  std::string line = base::codePage1252ToUtf8(text);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  // One line of the log holds one complete object.
  if (line.find_first_of("\r\n") != std::string::npos || !win32::IsJson(line)) {
    std::fprintf(stderr, "channels: dropping a malformed event line: %s\n", line.c_str());
    return;
  }
  win32::LogLine(line);
  win32::CurrentBackend().NoteEvent(line);
}
