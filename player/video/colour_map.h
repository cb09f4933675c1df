// The movie's colours as indices of the buffer's palette: the identity when the buffer took
// the movie's palette, otherwise each colour's nearest entry.
#pragma once

#include <array>
#include <cstdint>

namespace vid {

struct ColourMap {
  std::array<uint8_t, 256> index{};
  bool identity = true;
  uint8_t black = 0;  // the buffer entry that shows black (the blank lines of interlaced movies)

  // Matches the 256 (r, g, b) colours of `movie` against entries first .. first + count - 1 of
  // `table` (256 x (r, g, b)); a range beyond the table is cut to it, an empty one means all.
  static ColourMap match(const uint8_t* movie, const uint8_t* table, uint32_t first,
                         uint32_t count);
};

}  // namespace vid
