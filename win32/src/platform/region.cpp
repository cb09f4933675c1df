#include "region.h"

#include <algorithm>

namespace win32 {

bool RectEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

RECT RectIntersection(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return RectEmpty(r) ? RECT{0, 0, 0, 0} : r;
}

RECT Region::Bounds() const {
  if (rects_.empty()) return RECT{0, 0, 0, 0};
  RECT b = rects_.front();
  for (const RECT& r : rects_) {
    b = RECT{std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right),
             std::max(b.bottom, r.bottom)};
  }
  return b;
}

void Region::Add(const RECT& rect) {
  if (RectEmpty(rect)) return;
  Subtract(rect);
  rects_.push_back(rect);
}

void Region::Add(const Region& other) {
  for (const RECT& r : other.rects_) Add(r);
}

void Region::Subtract(const RECT& cut) {
  if (RectEmpty(cut)) return;
  std::vector<RECT> out;
  for (const RECT& r : rects_) {
    RECT i = RectIntersection(r, cut);
    if (RectEmpty(i)) {
      out.push_back(r);
      continue;
    }
    // Up to four pieces: the bands above and below the cut, and the parts left and right of it.
    if (r.top < i.top) out.push_back({r.left, r.top, r.right, i.top});
    if (i.bottom < r.bottom) out.push_back({r.left, i.bottom, r.right, r.bottom});
    if (r.left < i.left) out.push_back({r.left, i.top, i.left, i.bottom});
    if (i.right < r.right) out.push_back({i.right, i.top, r.right, i.bottom});
  }
  rects_ = std::move(out);
}

void Region::Intersect(const RECT& rect) {
  std::vector<RECT> out;
  for (const RECT& r : rects_) {
    RECT i = RectIntersection(r, rect);
    if (!RectEmpty(i)) out.push_back(i);
  }
  rects_ = std::move(out);
}

void Region::Intersect(const Region& other) {
  std::vector<RECT> out;
  for (const RECT& a : rects_) {
    for (const RECT& b : other.rects_) {
      RECT i = RectIntersection(a, b);
      if (!RectEmpty(i)) out.push_back(i);
    }
  }
  rects_ = std::move(out);
}

void Region::Offset(int dx, int dy) {
  for (RECT& r : rects_) r = RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace win32
