// CPoint and CRect: points and rectangles with the platform's layout.
#pragma once

#include "win32_api.h"

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
};

// Left and top edges inside, right and bottom outside.
class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}  // NOLINT: converts like the original

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
  void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }

  operator LPRECT() { return this; }         // NOLINT
  operator LPCRECT() const { return this; }  // NOLINT
};
