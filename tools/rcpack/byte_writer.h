// Little-endian output, as Win32 resources are laid out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rcpack {

using Bytes = std::vector<uint8_t>;

inline void putWord(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void putDword(Bytes& out, uint32_t v) {
  putWord(out, v & 0xFFFF);
  putWord(out, v >> 16);
}

// UTF-16 characters, then a terminating zero when asked for.
inline void putText(Bytes& out, const std::u16string& text, bool terminate) {
  for (char16_t c : text) putWord(out, c);
  if (terminate) putWord(out, 0);
}

inline void padToDword(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

}  // namespace rcpack
