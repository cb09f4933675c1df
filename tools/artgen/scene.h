// A picture described as layers painted one over the other, rendered with supersampling so
// that every edge is anti-aliased.
#pragma once

#include <functional>
#include <vector>

#include "color.h"
#include "shapes.h"

namespace artgen {

// The colour a layer gives point p, knowing the colour below it.
using Paint = std::function<Rgb(Vec2 p, Rgb below)>;

struct Layer {
  Shape area;  // where the layer paints
  Paint paint;
};

using Scene = std::vector<Layer>;

struct Picture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // rows top to bottom
};

// Paints the scene over `background`; each pixel averages samples x samples points.
Picture render(const Scene& scene, int width, int height, Rgb background, int samples = 5);

}  // namespace artgen
