// Matching the movie's colours to the buffer's palette.
#include "colour_map.h"

#include <gtest/gtest.h>

#include <vector>

namespace vid {
namespace {

std::vector<uint8_t> grey() {
  std::vector<uint8_t> p(768);
  for (int i = 0; i < 256; ++i)
    p[3 * i] = p[3 * i + 1] = p[3 * i + 2] = static_cast<uint8_t>(255 - i);
  return p;
}

TEST(ColourMap, TheMoviesOwnPaletteIsTheIdentity) {
  const auto palette = grey();
  const ColourMap map = ColourMap::match(palette.data(), palette.data(), 0, 256);
  EXPECT_TRUE(map.identity);
  EXPECT_EQ(map.index[17], 17);
  EXPECT_EQ(map.black, 255);  // the darkest entry, not entry 0
}

TEST(ColourMap, OtherPalettesMapToTheNearestEntryInTheRange) {
  auto movie = grey();
  std::vector<uint8_t> table(768, 0);
  table[3 * 4 + 0] = 250;  // entry 4: near white
  table[3 * 9 + 2] = 200;  // entry 9: blue
  const ColourMap all = ColourMap::match(movie.data(), table.data(), 0, 0);
  EXPECT_FALSE(all.identity);
  EXPECT_EQ(all.index[0], 4);    // white
  EXPECT_EQ(all.index[255], 0);  // black: the first of the equal black entries
  EXPECT_EQ(all.black, 0);
  // Only entries 4 .. 7 allowed: everything goes to 4 or the black 5.
  const ColourMap some = ColourMap::match(movie.data(), table.data(), 4, 4);
  EXPECT_EQ(some.index[0], 4);
  EXPECT_EQ(some.index[255], 5);
  EXPECT_EQ(some.black, 5);
}

}  // namespace
}  // namespace vid
