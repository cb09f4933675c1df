#include "events.h"

#include <cstdio>

namespace vid {

namespace {

void appendQuoted(std::string& out, const char* text) {
  out += '"';
  for (const char* p = text; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

}  // namespace

std::string movieOpenEvent(const char* path, bool ok) {
  std::string out = "{\"ev\":\"movie\",\"op\":\"open\",\"path\":";
  appendQuoted(out, path ? path : "");
  out += ok ? ",\"ok\":true}" : ",\"ok\":false}";
  return out;
}

std::string frameEvent(uint32_t index, std::span<const ScreenRect> rects, int64_t t) {
  std::string out = "{\"ev\":\"frame\",\"index\":" + std::to_string(index) + ",\"rects\":[";
  for (size_t i = 0; i < rects.size(); ++i) {
    const ScreenRect& r = rects[i];
    if (i) out += ',';
    out += '[' + std::to_string(r.x) + ',' + std::to_string(r.y) + ',' + std::to_string(r.width) +
           ',' + std::to_string(r.height) + ']';
  }
  out += "],\"t\":" + std::to_string(t) + '}';
  return out;
}

std::string movieCloseEvent(uint64_t samples) {
  return "{\"ev\":\"movie\",\"op\":\"close\",\"samples\":" + std::to_string(samples) + '}';
}

}  // namespace vid
