// Where a movie's changed areas land in the target buffer: the coded picture's rectangles,
// stretched to the displayed height and moved to the movie's place in the buffer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "smk/header.h"
#include "smk/movie.h"

namespace vid {

// The movie's place in a target buffer of width x height pixels (the width is the pitch).
struct Placement {
  uint32_t x = 0, y = 0;
  uint32_t width = 0, height = 0;
  smk::YScale yScale = smk::YScale::None;
};

// Rows a coded row takes on screen: 2 for doubled and interlaced movies.
inline uint32_t rowFactor(smk::YScale s) { return s == smk::YScale::None ? 1 : 2; }

// Replaces `out` with the rectangles of `coded` in buffer coordinates, clipped to the buffer;
// rectangles that fall wholly outside it are left out.
void toBufferRects(std::span<const smk::Rect> coded, const Placement& place,
                   std::vector<smk::Rect>& out);

}  // namespace vid
