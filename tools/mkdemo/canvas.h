#pragma once
// An 8-bit palette-indexed picture with the few drawing operations the demo movies need.
#include <cstdint>
#include <string_view>
#include <vector>

namespace mkdemo {

class Canvas {
 public:
  Canvas(unsigned w, unsigned h, uint8_t fill = 0) : w_(w), h_(h), px_(size_t(w) * h, fill) {}

  unsigned width() const { return w_; }
  unsigned height() const { return h_; }
  const std::vector<uint8_t>& pixels() const { return px_; }

  void clear(uint8_t c) { std::fill(px_.begin(), px_.end(), c); }
  void set(int x, int y, uint8_t c) {
    if (x >= 0 && y >= 0 && unsigned(x) < w_ && unsigned(y) < h_)
      px_[size_t(y) * w_ + unsigned(x)] = c;
  }
  uint8_t get(int x, int y) const { return px_[size_t(y) * w_ + unsigned(x)]; }

  void fill_rect(int x, int y, int w, int h, uint8_t c);
  void fill_circle(double cx, double cy, double r, uint8_t c);
  void ring(double cx, double cy, double r_in, double r_out, uint8_t c);
  // A line `thickness` pixels wide.
  void line(double x0, double y0, double x1, double y1, double thickness, uint8_t c);
  // Text in a 5x7 pixel font, each font pixel drawn as a scale x scale square; letters,
  // digits, space and : . - ! are known. Returns the width drawn.
  int text(int x, int y, std::string_view s, int scale, uint8_t c);
  static int text_width(std::string_view s, int scale) { return int(s.size()) * 6 * scale - scale; }

 private:
  unsigned w_, h_;
  std::vector<uint8_t> px_;
};

}  // namespace mkdemo
