#include "frame_copy.h"

#include <cstring>

namespace vid {

void copyRects(const smk::Picture& picture, const Placement& place,
               std::span<const smk::Rect> rects, const ColourMap& colours, uint8_t* pixels) {
  const uint32_t factor = rowFactor(place.yScale);
  for (const smk::Rect& r : rects) {
    for (uint32_t row = r.y; row < r.y + r.height; ++row) {
      uint8_t* dst = pixels + size_t{row} * place.width + r.x;
      const uint32_t displayed = row - place.y;
      if (place.yScale == smk::YScale::Interlaced && displayed % 2 == 1) {
        std::memset(dst, colours.black, r.width);
        continue;
      }
      const uint32_t codedRow = displayed / factor;
      const uint32_t codedColumn = r.x - place.x;
      if (codedRow >= picture.height || codedColumn + r.width > picture.width) continue;
      const uint8_t* src = picture.pixels + size_t{codedRow} * picture.pitch + codedColumn;
      if (colours.identity) {
        std::memcpy(dst, src, r.width);
      } else {
        for (uint32_t i = 0; i < r.width; ++i) dst[i] = colours.index[src[i]];
      }
    }
  }
}

}  // namespace vid
