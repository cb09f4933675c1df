// A decoded picture lands in the buffer at its place, stretched for the doubled and interlaced
// movies, clipped to the buffer, through the colour map.
#include "frame_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vid {
namespace {

// A 3x2 coded picture: row 0 = 1 2 3, row 1 = 4 5 6.
const uint8_t kCoded[] = {1, 2, 3, 4, 5, 6};
const smk::Picture kPicture{kCoded, 3, 2, 3};

ColourMap identityWithBlack(uint8_t black) {
  ColourMap map;
  for (int i = 0; i < 256; ++i) map.index[i] = static_cast<uint8_t>(i);
  map.black = black;
  return map;
}

// The buffer as rows of digits ('.' for untouched, 'k' for the black entry 9).
std::string show(const std::vector<uint8_t>& pixels, uint32_t width) {
  std::string out;
  for (size_t i = 0; i < pixels.size(); ++i) {
    out += pixels[i] == 0 ? '.' : pixels[i] == 9 ? 'k' : char('0' + pixels[i]);
    if ((i + 1) % width == 0) out += '/';
  }
  return out;
}

std::string draw(const Placement& place, std::vector<smk::Rect> coded, const ColourMap& map) {
  std::vector<smk::Rect> rects;
  toBufferRects(coded, place, rects);
  std::vector<uint8_t> pixels(size_t{place.width} * place.height, 0);
  copyRects(kPicture, place, rects, map, pixels.data());
  return show(pixels, place.width);
}

TEST(FrameCopy, EachScaleOfTheWholePicture) {
  struct Case {
    smk::YScale scale;
    const char* expected;
  } cases[] = {
      {smk::YScale::None, "...../.123./.456./...../...../"},
      {smk::YScale::Doubled, "...../.123./.123./.456./.456./"},
      {smk::YScale::Interlaced, "...../.123./.kkk./.456./.kkk./"},
  };
  for (const Case& c : cases) {
    const Placement place{1, 1, 5, 5, c.scale};
    EXPECT_EQ(draw(place, {{0, 0, 3, 2}}, identityWithBlack(9)), c.expected)
        << static_cast<int>(c.scale);
  }
}

TEST(FrameCopy, OnlyTheChangedAreaIsWrittenAndTheBufferClipsIt) {
  // Column 1 of row 1, doubled: buffer rows 3 and 4 (the second cut off by the buffer).
  const Placement place{2, 1, 4, 4, smk::YScale::Doubled};
  EXPECT_EQ(draw(place, {{1, 1, 2, 1}}, identityWithBlack(9)), "..../..../..../...5/");
  std::vector<smk::Rect> rects;
  toBufferRects(std::vector<smk::Rect>{{1, 1, 2, 1}, {0, 5, 3, 1}}, place, rects);
  EXPECT_EQ(rects, (std::vector<smk::Rect>{{3, 3, 1, 1}}));  // the second lies below the buffer
}

TEST(FrameCopy, ColoursGoThroughTheMap) {
  ColourMap map = identityWithBlack(9);
  map.identity = false;
  map.index[2] = 7;
  map.index[5] = 8;
  const Placement place{0, 0, 3, 2, smk::YScale::None};
  EXPECT_EQ(draw(place, {{0, 0, 3, 2}}, map), "173/486/");
}

}  // namespace
}  // namespace vid
