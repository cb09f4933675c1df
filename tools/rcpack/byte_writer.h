// The parts every resource is built of, little-endian as Win32 lays them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/little_endian.h"

namespace rcpack {

using Bytes = std::vector<uint8_t>;

// UTF-16 characters, then a terminating zero when asked for.
inline void putText(Bytes& out, const std::u16string& text, bool terminate) {
  for (char16_t c : text) base::appendLe16(out, c);
  if (terminate) base::appendLe16(out, 0);
}

inline void padToDword(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

}  // namespace rcpack
