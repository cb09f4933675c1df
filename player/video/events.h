// The event lines the library reports through the debug output: a movie opened or closed,
// a frame shown. Text stays in the system's 8-bit code page; JSON escaping only.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vid {

// A drawn area on the screen; x and y may be negative (a buffer wider than the screen).
struct ScreenRect {
  int32_t x, y, width, height;
};

std::string movieOpenEvent(const char* path, bool ok);
// `rects` in screen coordinates; `t` in microseconds from the open.
std::string frameEvent(uint32_t index, std::span<const ScreenRect> rects, int64_t t);
std::string movieCloseEvent(uint64_t samples);

}  // namespace vid
