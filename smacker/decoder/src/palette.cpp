#include "palette.h"

namespace smk::detail {

const char* applyPaletteChunk(std::span<const uint8_t> rest, Palette& palette, size_t& chunkBytes) {
  if (rest.empty()) return "palette chunk missing";
  chunkBytes = size_t{rest[0]} * 4;
  if (chunkBytes > rest.size()) return "palette chunk longer than the frame";
  const Palette old = palette;
  Palette next = palette;
  size_t p = 1;
  unsigned i = 0;
  while (i < 256) {
    if (p >= rest.size()) return "palette commands end before entry 256";
    const uint8_t c = rest[p++];
    if (c & 0x80) {  // KEEP
      i += (c & 0x7Fu) + 1;
    } else if (c & 0x40) {  // COPY from the old palette
      if (p >= rest.size()) return "palette commands end before entry 256";
      const unsigned n = (c & 0x3Fu) + 1;
      const unsigned o = rest[p++];
      if (o + n > 256) return "palette COPY source beyond entry 256";
      for (unsigned j = 0; j < n && i < 256; ++j) next[i++] = old[o + j];
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
