// Reading resources in the tests: through the program's own look-ups, as the system does.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "base/little_endian.h"
#include "win32_api.h"

namespace channels_test {

// The bytes of a numbered resource; empty when it is missing.
inline std::vector<uint8_t> loadResource(uint16_t type, uint16_t id) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
  if (found == nullptr) return {};
  const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  return {data, data + SizeofResource(nullptr, found)};
}

// A little-endian field of 2 or 4 bytes at `at`; throws when it lies outside.
inline uint32_t field(const std::vector<uint8_t>& data, std::size_t at, int bytes) {
  if (at + static_cast<std::size_t>(bytes) > data.size())
    throw std::out_of_range("field outside the resource");
  return bytes == 2 ? base::readLe16(&data[at]) : base::readLe32(&data[at]);
}

}  // namespace channels_test
