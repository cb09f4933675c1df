// The event log (CHANNELS_LOG): one JSON object a line, naming what a user sees.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

namespace win32 {

// A JSON value already written out: a quoted string, a number, null, an array.
struct JsonValue {
  std::string text;
  static JsonValue String(const std::string& utf8);
  static JsonValue Number(long long n);
  static JsonValue Null();
  static JsonValue Raw(std::string json) { return JsonValue{std::move(json)}; }
};

// Writes {"ev":event, name:value, ...} when a log is configured; flushed at once so that a
// crash or exit loses nothing.
void LogEvent(const std::string& event,
              std::initializer_list<std::pair<const char*, JsonValue>> fields = {});

// Writes one event line already made, a JSON object on one line without the newline.
void LogLine(const std::string& json);

// Whether `text` is exactly one JSON value (surrounding blanks allowed).
bool IsJson(const std::string& text);

}  // namespace win32
