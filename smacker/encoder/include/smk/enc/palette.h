#pragma once
// Palettes as the format stores them: 256 entries of 6-bit components.
#include <array>
#include <cstdint>
#include <vector>

namespace smk::enc {

struct Color6 {
  uint8_t r = 0, g = 0, b = 0;  // 0..63 each
  bool operator==(const Color6&) const = default;
};
using Palette6 = std::array<Color6, 256>;

// The 6-bit component whose expansion is nearest to an 8-bit value.
uint8_t nearest6(uint8_t v);
// True when `v` is exactly the expansion of some 6-bit component.
bool exact6(uint8_t v);

// The palette chunk that turns `oldPalette` into `newPalette` with the fewest command bytes (KEEP
// runs of unchanged entries, COPY of runs of old entries, LITERAL entries): the length byte,
// the commands and zero padding to a multiple of 4 bytes.
std::vector<uint8_t> paletteChunk(const Palette6& oldPalette, const Palette6& newPalette);

}  // namespace smk::enc
