// How a program's resources reach our Win32 subset. On Windows the linker puts them into the
// program file and the resource functions read them from the module. Here tools/rcpack packs
// the resource script into a table that the program links in under the name below, and the
// subset's resource functions read that table as the program module's resources. A program
// that links no table has a module without resources; the subset itself links none.
#pragma once

#include <cstddef>
#include <cstdint>

namespace win32 {

struct ModuleResource {
  uint16_t type;      // RT_* number
  uint16_t id;        // resource number (string tables: block number, id / 16 + 1)
  uint16_t language;  // e.g. 0x0409
  const unsigned char* data;
  uint32_t size;
};

struct ModuleResources {
  const ModuleResource* entries;
  std::size_t count;
};

// Defined by the packed table that the program (or a test) links.
extern const ModuleResources g_moduleResources;

}  // namespace win32
