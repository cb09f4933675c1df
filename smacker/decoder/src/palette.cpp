#include "palette.h"

#include "smk/format.h"

namespace smk::detail {

using format::expand6;

const char* applyPaletteChunk(std::span<const uint8_t> rest, Palette& palette, size_t& chunkBytes) {
  if (rest.empty()) return "palette chunk missing";
  chunkBytes = size_t{rest[0]} * format::kPaletteUnit;
  if (chunkBytes > rest.size()) return "palette chunk longer than the frame";
  const Palette old = palette;
  Palette next = palette;
  size_t p = 1;
  unsigned i = 0;
  while (i < format::kPaletteEntries) {
    if (p >= rest.size()) return "palette commands end before entry 256";
    const uint8_t c = rest[p++];
    if (c & format::kPaletteKeep) {
      i += (c & (format::kPaletteKeep - 1u)) + 1;
    } else if (c & format::kPaletteCopy) {  // from the palette as it was before the chunk
      if (p >= rest.size()) return "palette commands end before entry 256";
      const unsigned n = (c & (format::kPaletteCopy - 1u)) + 1;
      const unsigned o = rest[p++];
      if (o + n > format::kPaletteEntries) return "palette COPY source beyond entry 256";
      for (unsigned j = 0; j < n && i < format::kPaletteEntries; ++j) next[i++] = old[o + j];
    } else {  // LITERAL
      if (p + 2 > rest.size()) return "palette commands end before entry 256";
      next[i++] = {expand6(c), expand6(rest[p]), expand6(rest[p + 1])};
      p += 2;
    }
  }
  palette = next;
  return nullptr;
}

}  // namespace smk::detail
