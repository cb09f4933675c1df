// Regions: sets of pixels kept as disjoint rectangles, for update areas and clipping.
#pragma once

#include <vector>

#include "win32/types.h"

namespace win32 {

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& rect) { Add(rect); }

  bool Empty() const { return rects_.empty(); }
  const std::vector<RECT>& rects() const { return rects_; }
  // The smallest rectangle holding the region; empty (all zero) for an empty region.
  RECT Bounds() const;

  void Add(const RECT& rect);
  void Add(const Region& other);
  void Subtract(const RECT& rect);
  void Intersect(const RECT& rect);
  void Intersect(const Region& other);
  void Offset(int dx, int dy);
  void Clear() { rects_.clear(); }

 private:
  std::vector<RECT> rects_;
};

bool RectEmpty(const RECT& r);
RECT RectIntersection(const RECT& a, const RECT& b);

}  // namespace win32
