#pragma once
// Chooses a palette of at most `count` colours for a weighted set of 6-bit colours
// (median cut, refined by a few k-means rounds).
#include <cstdint>
#include <vector>

#include "smk/enc/palette.h"

namespace smk::enc {

struct WeightedColor {
  uint32_t key;  // r << 12 | g << 6 | b, 6 bits each
  uint32_t count;
};

constexpr uint32_t colorKey(Color6 c) { return uint32_t(c.r) << 12 | uint32_t(c.g) << 6 | c.b; }
constexpr Color6 keyColor(uint32_t key) {
  return {uint8_t(key >> 12 & 63), uint8_t(key >> 6 & 63), uint8_t(key & 63)};
}

std::vector<Color6> quantize(const std::vector<WeightedColor>& colors, unsigned count);

}  // namespace smk::enc
