#include "scene.h"

namespace artgen {

Picture render(const Scene& scene, int width, int height, Rgb background, int samples) {
  Picture picture{width, height, {}};
  picture.pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb sum;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const Vec2 p{x + (sx + 0.5) / samples, y + (sy + 0.5) / samples};
          Rgb colour = background;
          for (const Layer& layer : scene)
            if (layer.area(p) < 0) colour = layer.paint(p, colour);
          sum = sum + colour;
        }
      }
      picture.pixels.push_back(sum * (1.0 / (samples * samples)));
    }
  }
  return picture;
}

}  // namespace artgen
