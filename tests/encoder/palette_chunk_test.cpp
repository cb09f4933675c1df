#include <gtest/gtest.h>

#include "smk/enc/palette.h"
#include "smk/format.h"

using namespace smk::enc;
using smk::format::expand6;

namespace {

// Applies a palette chunk the way a decoder does.
Palette6 run_chunk(const Palette6& old_pal, const std::vector<uint8_t>& chunk) {
  Palette6 pal = old_pal;
  size_t at = 1;
  int i = 0;
  while (i < 256) {
    uint8_t c = chunk.at(at++);
    if (c & 0x80) {
      i += (c & 0x7F) + 1;
    } else if (c & 0x40) {
      int n = (c & 0x3F) + 1, o = chunk.at(at++);
      EXPECT_LE(o + n, 256);
      for (int j = 0; j < n && i < 256; ++j) pal[i++] = old_pal[o + j];
    } else {
      pal[i++] = {c, uint8_t(chunk.at(at) & 0x3F), uint8_t(chunk.at(at + 1) & 0x3F)};
      at += 2;
    }
  }
  EXPECT_EQ(i, 256) << "commands overshoot";
  EXPECT_LE(at, chunk.size()) << "commands run past the chunk";
  EXPECT_EQ(chunk.size(), chunk[0] * 4u);
  EXPECT_EQ(chunk.size() % 4, 0u);
  return pal;
}

Palette6 ramp(int seed) {
  Palette6 p{};
  for (int i = 0; i < 256; ++i)
    p[i] = {uint8_t((i + seed) % 64), uint8_t((i * 3) % 64), uint8_t((i / 4 + seed) % 64)};
  return p;
}

TEST(PaletteChunk, RebuildsTheNewPaletteCheaply) {
  const Palette6 black{}, a = ramp(0);
  Palette6 shifted = a;  // entries 20..119 move up by 5: one COPY covers most of them
  for (int i = 25; i < 120; ++i) shifted[i] = a[i - 5];
  Palette6 one_changed = a;
  one_changed[77] = {1, 2, 3};

  struct Case {
    Palette6 from, to;
    size_t max_bytes;
  } cases[] = {
      {black, black, 4},    // two KEEPs
      {black, a, 4 + 768},  // all literal (entries 0 of ramp(0) is not black)
      {a, one_changed, 8},  // KEEP, LITERAL, KEEP
      {a, shifted, 12},     // KEEP, COPY x2, KEEP...
  };
  for (const auto& c : cases) {
    auto chunk = paletteChunk(c.from, c.to);
    EXPECT_EQ(run_chunk(c.from, chunk), c.to);
    EXPECT_LE(chunk.size(), c.max_bytes);
  }
}

TEST(PaletteChunk, SixBitExpansion) {
  EXPECT_EQ(expand6(48), 195);
  for (int v = 0; v < 256; ++v) {
    int err = std::abs(expand6(nearest6(uint8_t(v))) - v);
    EXPECT_LE(err, 2) << v;
  }
  EXPECT_TRUE(exact6(195));
  EXPECT_FALSE(exact6(194));
}

}  // namespace
