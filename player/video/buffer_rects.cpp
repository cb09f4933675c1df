#include "buffer_rects.h"

#include <algorithm>

namespace vid {

void toBufferRects(std::span<const smk::Rect> coded, const Placement& place,
                   std::vector<smk::Rect>& out) {
  out.clear();
  const uint64_t factor = rowFactor(place.yScale);
  for (const smk::Rect& r : coded) {
    // 64-bit: a placement near the 32-bit limit must not wrap around into the buffer.
    const uint64_t left = uint64_t{place.x} + r.x;
    const uint64_t top = uint64_t{place.y} + factor * r.y;
    const uint64_t right = std::min<uint64_t>(left + r.width, place.width);
    const uint64_t bottom = std::min<uint64_t>(top + factor * r.height, place.height);
    if (left >= right || top >= bottom) continue;
    out.push_back(smk::Rect{static_cast<uint32_t>(left), static_cast<uint32_t>(top),
                            static_cast<uint32_t>(right - left),
                            static_cast<uint32_t>(bottom - top)});
  }
}

}  // namespace vid
