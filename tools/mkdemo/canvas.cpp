#include "canvas.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace mkdemo {

namespace {

// 5x7 glyphs, one string of 7 rows of 5 columns ('#' = set) per character.
struct Glyph {
  char ch;
  const char* rows;
};
constexpr Glyph kFont[] = {
    {'0', " ### #   ##  ### # ###  ##   # ### "}, {'1', "  #   ##    #    #    #    #   ### "},
    {'2', " ### #   #    #   #   #   #   #####"}, {'3', "#####   #   #     #     ##   # ### "},
    {'4', "   #   ##  # # #  # #####   #    # "}, {'5', "######    ####     #    ##   # ### "},
    {'6', "  ##  #   #    #### #   ##   # ### "}, {'7', "#####    #   #   #   #    #    #   "},
    {'8', " ### #   ##   # ### #   ##   # ### "}, {'9', " ### #   ##   # ####    #   #  ##  "},
    {'A', " ### #   ##   #######   ##   ##   #"}, {'B', "#### #   ##   ##### #   ##   ##### "},
    {'C', " ### #   ##    #    #    #   # ### "}, {'D', "###  #  # #   ##   ##   ##  # ###  "},
    {'E', "######    #    #### #    #    #####"}, {'F', "######    #    #### #    #    #    "},
    {'G', " ### #   ##    # ####   ##   # ####"}, {'H', "#   ##   ##   #######   ##   ##   #"},
    {'I', " ###   #    #    #    #    #   ### "}, {'J', "  ###   #    #    #    # #  #  ##  "},
    {'K', "#   ##  # # #  ##   # #  #  # #   #"}, {'L', "#    #    #    #    #    #    #####"},
    {'M', "#   ### ### # ## # ##   ##   ##   #"}, {'N', "#   ##   ###  ## # ##  ###   ##   #"},
    {'O', " ### #   ##   ##   ##   ##   # ### "}, {'P', "#### #   ##   ##### #    #    #    "},
    {'Q', " ### #   ##   ##   ## # ##  #  ## #"}, {'R', "#### #   ##   ##### # #  #  # #   #"},
    {'S', " #####    #     ###     #    ##### "}, {'T', "#####  #    #    #    #    #    #  "},
    {'U', "#   ##   ##   ##   ##   ##   # ### "}, {'V', "#   ##   ##   ##   ##   # # #   #  "},
    {'W', "#   ##   ##   ## # ## # ## # # # # "}, {'X', "#   ##   # # #   #   # # #   ##   #"},
    {'Y', "#   ##   # # #   #    #    #    #  "}, {'Z', "#####    #   #   #   #   #    #####"},
    {':', "      ##   ##        ##   ##       "}, {'.', "                          ##   ##  "},
    {'-', "               #####               "}, {'!', "  #    #    #    #    #         #  "},
    {' ', "                                   "},
};

const char* glyph(char ch) {
  ch = char(std::toupper(static_cast<unsigned char>(ch)));
  for (const auto& g : kFont)
    if (g.ch == ch) return g.rows;
  return nullptr;
}

}  // namespace

void Canvas::fill_rect(int x, int y, int w, int h, uint8_t c) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, int(w_)), y1 = std::min(y + h, int(h_));
  if (x0 >= x1 || y0 >= y1) return;
  for (int yy = y0; yy < y1; ++yy)
    std::fill(px_.begin() + long(size_t(yy) * w_ + x0), px_.begin() + long(size_t(yy) * w_ + x1),
              c);
}

void Canvas::fill_circle(double cx, double cy, double r, uint8_t c) { ring(cx, cy, -1, r, c); }

void Canvas::ring(double cx, double cy, double r_in, double r_out, uint8_t c) {
  const int y0 = int(std::floor(cy - r_out)), y1 = int(std::ceil(cy + r_out));
  const int x0 = int(std::floor(cx - r_out)), x1 = int(std::ceil(cx + r_out));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d2 = dx * dx + dy * dy;
      if (d2 <= r_out * r_out && (r_in < 0 || d2 >= r_in * r_in)) set(x, y, c);
    }
}

void Canvas::line(double x0, double y0, double x1, double y1, double thickness, uint8_t c) {
  const double r = thickness / 2;
  const int bx0 = int(std::floor(std::min(x0, x1) - r)), bx1 = int(std::ceil(std::max(x0, x1) + r));
  const int by0 = int(std::floor(std::min(y0, y1) - r)), by1 = int(std::ceil(std::max(y0, y1) + r));
  const double dx = x1 - x0, dy = y1 - y0, len2 = std::max(dx * dx + dy * dy, 1e-9);
  for (int y = std::max(by0, 0); y <= std::min(by1, int(h_) - 1); ++y)
    for (int x = std::max(bx0, 0); x <= std::min(bx1, int(w_) - 1); ++x) {
      const double px = x + 0.5 - x0, py = y + 0.5 - y0;
      const double t = std::clamp((px * dx + py * dy) / len2, 0.0, 1.0);
      const double ex = px - t * dx, ey = py - t * dy;
      if (ex * ex + ey * ey <= r * r) set(x, y, c);
    }
}

int Canvas::text(int x, int y, std::string_view s, int scale, uint8_t c) {
  int at = x;
  for (char ch : s) {
    if (const char* rows = glyph(ch))
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (rows[row * 5 + col] == '#')
            fill_rect(at + col * scale, y + row * scale, scale, scale, c);
    at += 6 * scale;
  }
  return at - x - scale;
}

}  // namespace mkdemo
