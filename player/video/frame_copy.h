// Writes the changed areas of a decoded picture into the target buffer: each coded row once,
// twice for doubled movies, or followed by a black row for interlaced ones; colours through
// the buffer's colour map.
#pragma once

#include <cstdint>
#include <span>

#include "buffer_rects.h"
#include "colour_map.h"
#include "smk/movie.h"

namespace vid {

// `rects` are buffer rectangles made by toBufferRects for this placement; `pixels` is the
// buffer, place.width x place.height.
void copyRects(const smk::Picture& picture, const Placement& place,
               std::span<const smk::Rect> rects, const ColourMap& colours, uint8_t* pixels);

}  // namespace vid
