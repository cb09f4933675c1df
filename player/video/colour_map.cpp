#include "colour_map.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace vid {

namespace {

int distance(const uint8_t* a, const uint8_t* b) {
  const int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
  return dr * dr + dg * dg + db * db;
}

uint8_t nearest(const uint8_t* colour, const uint8_t* table, uint32_t first, uint32_t end) {
  uint32_t best = first;
  int bestDistance = INT_MAX;
  for (uint32_t i = first; i < end && bestDistance > 0; ++i) {
    const int d = distance(colour, table + 3 * i);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

ColourMap ColourMap::match(const uint8_t* movie, const uint8_t* table, uint32_t first,
                           uint32_t count) {
  first = std::min<uint32_t>(first, 255);
  const uint32_t end = count == 0 ? 256 : std::min<uint32_t>(256, first + count);
  ColourMap map;
  static constexpr uint8_t kBlack[3] = {0, 0, 0};
  if (first == 0 && end == 256 && std::memcmp(movie, table, 768) == 0) {
    for (int i = 0; i < 256; ++i) map.index[i] = static_cast<uint8_t>(i);
    map.black = nearest(kBlack, table, 0, 256);
    return map;
  }
  map.identity = false;
  for (int i = 0; i < 256; ++i) map.index[i] = nearest(movie + 3 * i, table, first, end);
  map.black = nearest(kBlack, table, first, end);
  return map;
}

}  // namespace vid
