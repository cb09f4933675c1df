#include "glyphs.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace artgen {

namespace {

using Polyline = std::vector<Vec2>;

// Each character in a box one unit high; x grows to the right, y downwards.
struct Glyph {
  double width;
  std::vector<Polyline> strokes;
};

Polyline join(Polyline a, const Polyline& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Glyph glyphFor(char c) {
  switch (c) {
    case '1':  // flag, stem and foot
      return {0.56, {{{0.06, 0.22}, {0.3, 0.0}, {0.3, 1.0}}, {{0.02, 1.0}, {0.56, 1.0}}}};
    case '2':  // hook over a diagonal onto a flat base
      return {0.6, {join(arc({0.3, 0.29}, 0.29, 0.29, 195, 385), {{0.0, 1.0}, {0.6, 1.0}})}};
    case '3':  // two bowls
      return {
          0.6,
          {join(arc({0.29, 0.25}, 0.27, 0.25, 205, 450), arc({0.29, 0.74}, 0.31, 0.26, 270, 520))}};
    case '4':  // upright, diagonal and crossbar in one stroke
      return {0.62, {{{0.46, 1.0}, {0.46, 0.0}, {0.0, 0.68}, {0.62, 0.68}}}};
    case 'Q':
      return {0.84, {arc({0.42, 0.5}, 0.42, 0.5, 0, 360), {{0.52, 0.68}, {0.86, 1.04}}}};
    case 'U':
      return {0.7, {join(join({{0.0, 0.0}}, arc({0.35, 0.63}, 0.35, 0.37, 180, 0)), {{0.7, 0.0}})}};
    case 'I':
      return {0.0, {{{0.0, 0.0}, {0.0, 1.0}}}};
    case 'T':
      return {0.74, {{{0.0, 0.0}, {0.74, 0.0}}, {{0.37, 0.0}, {0.37, 1.0}}}};
    default:
      throw std::invalid_argument(std::string("no glyph for character '") + c + "'");
  }
}

}  // namespace

double textWidth(std::string_view text, double height, double gap) {
  double width = 0;
  for (char c : text) width += glyphFor(c).width * height;
  if (!text.empty()) width += gap * static_cast<double>(text.size() - 1);
  return width;
}

Shape text(std::string_view text, Vec2 centre, double height, double penWidth, double gap) {
  std::vector<Shape> strokes;
  double x = centre.x - textWidth(text, height, gap) / 2;
  const double top = centre.y - height / 2;
  for (char c : text) {
    const Glyph glyph = glyphFor(c);
    for (const Polyline& line : glyph.strokes) {
      Polyline placed;
      for (Vec2 p : line) placed.push_back({x + p.x * height, top + p.y * height});
      strokes.push_back(stroke(std::move(placed), penWidth));
    }
    x += glyph.width * height + gap;
  }
  return unite(std::move(strokes));
}

}  // namespace artgen
