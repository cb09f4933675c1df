// The program module's resources on Linux: the build turns res/channels.rc into a table of
// these entries (tools/rcpack), holding the same bytes windres puts into channels.exe.
#pragma once

#include <cstddef>
#include <cstdint>

namespace win32 {

struct EmbeddedResource {
  uint16_t type;      // RT_* number
  uint16_t id;        // resource number (string tables: block number, id / 16 + 1)
  uint16_t language;  // e.g. 0x0409
  const unsigned char* data;
  uint32_t size;
};

}  // namespace win32

// Defined by the generated source that the program (or a test) links.
extern const win32::EmbeddedResource g_embeddedResources[];
extern const std::size_t g_embeddedResourceCount;
