// One resource as the packer produces it: what the Windows build's resource compiler puts into
// the program for the same statement.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "byte_writer.h"

namespace rcpack {

enum ResourceType : uint16_t {
  kBitmap = 2,
  kIcon = 3,
  kDialog = 5,
  kString = 6,
  kGroupIcon = 14,
  kVersion = 16,
};

struct Resource {
  uint16_t type;
  uint16_t id;
  uint16_t language;
  Bytes data;
};

// A fault in the script or in a file it names, reported as "file:line: message".
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace rcpack
