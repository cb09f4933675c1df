// String tables: strings are stored in blocks of sixteen, block n holding numbers
// (n - 1) * 16 to n * 16 - 1, each string as a length word and its UTF-16 characters.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "resource.h"

namespace rcpack {

class StringTable {
 public:
  // False when the number already has a string in that language.
  bool add(uint16_t id, uint16_t language, std::u16string text);
  // One resource per block that holds at least one string; all sixteen slots are written.
  std::vector<Resource> blocks() const;

 private:
  std::map<std::pair<uint16_t, uint16_t>, std::u16string> strings_;  // (language, id)
};

}  // namespace rcpack
