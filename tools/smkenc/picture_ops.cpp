#include "picture_ops.h"

#include <algorithm>
#include <cmath>

namespace smkenc {

std::vector<uint8_t> resize_rgb(const std::vector<uint8_t>& rgb, unsigned w, unsigned h,
                                unsigned out_w, unsigned out_h) {
  if (w == out_w && h == out_h) return rgb;
  std::vector<uint8_t> out(size_t(out_w) * out_h * 3);
  for (unsigned y = 0; y < out_h; ++y) {
    double sy = std::clamp((y + 0.5) * h / out_h - 0.5, 0.0, double(h - 1));
    unsigned y0 = unsigned(sy), y1 = std::min(y0 + 1, h - 1);
    double fy = sy - y0;
    for (unsigned x = 0; x < out_w; ++x) {
      double sx = std::clamp((x + 0.5) * w / out_w - 0.5, 0.0, double(w - 1));
      unsigned x0 = unsigned(sx), x1 = std::min(x0 + 1, w - 1);
      double fx = sx - x0;
      for (int c = 0; c < 3; ++c) {
        auto at = [&](unsigned xx, unsigned yy) {
          return double(rgb[(size_t(yy) * w + xx) * 3 + c]);
        };
        double v = (at(x0, y0) * (1 - fx) + at(x1, y0) * fx) * (1 - fy) +
                   (at(x0, y1) * (1 - fx) + at(x1, y1) * fx) * fy;
        out[(size_t(y) * out_w + x) * 3 + c] = uint8_t(std::lround(v));
      }
    }
  }
  return out;
}

std::vector<uint8_t> halve_height(const std::vector<uint8_t>& rgb, unsigned w, unsigned h,
                                  bool average) {
  const unsigned out_h = h / 2;
  const size_t row = size_t(w) * 3;
  std::vector<uint8_t> out(row * out_h);
  for (unsigned y = 0; y < out_h; ++y)
    for (size_t i = 0; i < row; ++i) {
      unsigned a = rgb[2 * y * row + i], b = rgb[(2 * y + 1) * row + i];
      out[y * row + i] = uint8_t(average ? (a + b + 1) / 2 : a);
    }
  return out;
}

}  // namespace smkenc
