// Little-endian integers: the byte order of every file format and Win32 structure we handle.
// The pointer forms read or write exactly two or four bytes; bounds are the caller's business.
#pragma once

#include <cstdint>
#include <vector>

namespace base {

constexpr uint16_t readLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr uint32_t readLe32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

constexpr void writeLe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

constexpr void writeLe32(uint8_t* p, uint32_t v) {
  writeLe16(p, static_cast<uint16_t>(v));
  writeLe16(p + 2, static_cast<uint16_t>(v >> 16));
}

inline void appendLe16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void appendLe32(std::vector<uint8_t>& out, uint32_t v) {
  appendLe16(out, static_cast<uint16_t>(v));
  appendLe16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace base
