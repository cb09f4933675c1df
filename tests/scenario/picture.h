// Pictures for screenshot comparisons: PNG screenshots read back, and the panel as the
// layout and the button bitmaps predict it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scenario {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows top to bottom

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// An RGB PNG file; an empty picture when it cannot be read.
Picture ReadPng(const std::string& path);

// A button of the panel: its rectangle (left, top, right, bottom) and the bitmap drawn there.
struct Placed {
  int left, top, right, bottom;
  std::string bitmap;  // file in res/bitmaps
};

// A black screen with the bitmaps drawn at their places, in order, cut off at the edges.
Picture Compose(int width, int height, const std::vector<Placed>& placed);

// Where two pictures differ: "" when they are the same, else the first differing pixel.
std::string Difference(const Picture& got, const Picture& expected);

}  // namespace scenario
