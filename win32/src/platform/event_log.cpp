#include "event_log.h"

#include <cstdio>

#include "settings.h"

namespace win32 {

JsonValue JsonValue::String(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return JsonValue{out + "\""};
}

JsonValue JsonValue::Number(long long n) { return JsonValue{std::to_string(n)}; }

JsonValue JsonValue::Null() { return JsonValue{"null"}; }

namespace {

FILE* Log() {
  static FILE* log = [] {
    const std::string& path = CurrentSettings().logPath;
    FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "a");
    if (!path.empty() && !f)
      std::fprintf(stderr, "channels: cannot write the log %s\n", path.c_str());
    return f;
  }();
  return log;
}

}  // namespace

void LogLine(const std::string& json) {
  FILE* log = Log();
  if (!log) return;
  std::fputs((json + "\n").c_str(), log);
  std::fflush(log);
}

void LogEvent(const std::string& event,
              std::initializer_list<std::pair<const char*, JsonValue>> fields) {
  if (!Log()) return;
  std::string line = "{\"ev\":" + JsonValue::String(event).text;
  for (const auto& [name, value] : fields) {
    line += ",";
    line += JsonValue::String(name).text + ":" + value.text;
  }
  LogLine(line + "}");
}

}  // namespace win32
