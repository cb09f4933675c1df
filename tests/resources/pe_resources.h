// Reads the resources out of a 32-bit Windows program file (PE), for comparing the Windows
// build with the Linux table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace channels_test {

struct PeResource {
  uint16_t type, id, language;
  std::vector<uint8_t> data;
};

// Every resource with a numbered type, name and language, in the order of the resource
// directory. Throws std::runtime_error for a malformed file or a named resource.
std::vector<PeResource> readPeResources(const std::vector<uint8_t>& file);

}  // namespace channels_test
