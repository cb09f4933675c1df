// Rectangle helpers. Rectangles include their left and top edges and exclude the others.
#include <algorithm>

#include "win32_api.h"

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL WINAPI IsRectEmpty(const RECT* rect) {
  return !rect || rect->left >= rect->right || rect->top >= rect->bottom;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
  return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

BOOL WINAPI IntersectRect(LPRECT result, const RECT* a, const RECT* b) {
  if (!result || !a || !b) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) return SetRectEmpty(result) && FALSE;
  *result = r;
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT result, const RECT* a, const RECT* b) {
  if (!result || !a || !b) return FALSE;
  if (IsRectEmpty(a)) {
    *result = *b;
  } else if (IsRectEmpty(b)) {
    *result = *a;
  } else {
    *result = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                   std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
  }
  return !IsRectEmpty(result);
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  *rect = RECT{rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
  return TRUE;
}
