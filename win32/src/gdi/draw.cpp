// FillRect, Rectangle and StretchDIBits on the framebuffer.
#include "draw.h"

#include <utility>
#include <vector>

#include "gdi_object.h"
#include "palette.h"

namespace win32 {

void FillScreenArea(const Region& area, uint32_t deviceColor) {
  Screen& screen = CurrentScreen();
  Region clipped = area;
  clipped.Intersect(RECT{0, 0, screen.width(), screen.height()});
  for (const RECT& r : clipped.rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      size_t row = static_cast<size_t>(y) * static_cast<size_t>(screen.width());
      for (LONG x = r.left; x < r.right; ++x)
        screen.Store(row + static_cast<size_t>(x), deviceColor);
    }
  }
  if (!clipped.Empty()) screen.Touch();
}

void CopyScreenArea(const Region& to, int dx, int dy) {
  Screen& screen = CurrentScreen();
  RECT bounds{0, 0, screen.width(), screen.height()};
  Region area = to;
  area.Intersect(bounds);
  area.Offset(-dx, -dy);
  area.Intersect(bounds);  // only what the screen holds can be copied
  size_t width = static_cast<size_t>(screen.width());
  // All of the source is read before anything is written, so overlaps do not matter.
  std::vector<uint32_t> values;
  for (const RECT& r : area.rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x)
        values.push_back(screen.Load(static_cast<size_t>(y) * width + static_cast<size_t>(x)));
    }
  }
  size_t next = 0;
  for (const RECT& r : area.rects()) {
    for (LONG y = r.top + dy; y < r.bottom + dy; ++y) {
      for (LONG x = r.left + dx; x < r.right + dx; ++x)
        screen.Store(static_cast<size_t>(y) * width + static_cast<size_t>(x), values[next++]);
    }
  }
  if (!area.Empty()) screen.Touch();
}

void FillContextRect(const DeviceContext& dc, const RECT& rect, Rgb color) {
  Region area(RECT{rect.left + dc.origin.x, rect.top + dc.origin.y, rect.right + dc.origin.x,
                   rect.bottom + dc.origin.y});
  area.Intersect(dc.clip);
  FillScreenArea(area, DeviceColor(dc, color));
}

void PutContextPixel(const DeviceContext& dc, int x, int y, uint32_t deviceColor) {
  Screen& screen = CurrentScreen();
  LONG sx = x + dc.origin.x;
  LONG sy = y + dc.origin.y;
  if (sx < 0 || sy < 0 || sx >= screen.width() || sy >= screen.height()) return;
  for (const RECT& r : dc.clip.rects()) {
    if (sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom) {
      screen.Store(
          static_cast<size_t>(sy) * static_cast<size_t>(screen.width()) + static_cast<size_t>(sx),
          deviceColor);
      screen.Touch();
      return;
    }
  }
}

}  // namespace win32

using win32::GdiObject;

int WINAPI FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  GdiObject* b = win32::FindObject(brush);
  if (!dc || !rect || !b || b->kind != GdiObject::Kind::kBrush) return 0;
  if (!b->none) win32::FillContextRect(*dc, *rect, b->color);
  return 1;
}

BOOL WINAPI Rectangle(HDC handle, int left, int top, int right, int bottom) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  if (!dc) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  GdiObject* brush = win32::FindObject(dc->brush);
  GdiObject* pen = win32::FindObject(dc->pen);
  // The pen draws the one-pixel outline inside the rectangle; the brush fills the rest.
  bool outline = pen && !pen->none;
  int inset = outline ? 1 : 0;
  if (brush && !brush->none) {
    win32::FillContextRect(*dc, RECT{left + inset, top + inset, right - inset, bottom - inset},
                           brush->color);
  }
  if (outline) {
    win32::FillContextRect(*dc, RECT{left, top, right, top + 1}, pen->color);
    win32::FillContextRect(*dc, RECT{left, bottom - 1, right, bottom}, pen->color);
    win32::FillContextRect(*dc, RECT{left, top, left + 1, bottom}, pen->color);
    win32::FillContextRect(*dc, RECT{right - 1, top, right, bottom}, pen->color);
  }
  return TRUE;
}

int WINAPI StretchDIBits(HDC handle, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                         int ySrc, int srcWidth, int srcHeight, const void* bits,
                         const BITMAPINFO* info, UINT usage, DWORD rop) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  if (!dc || !bits || !info || rop != SRCCOPY || usage != DIB_RGB_COLORS) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  // Only what the system blits: uncompressed 8-bit pictures with a colour table.
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biBitCount != 8 || h.biCompression != BI_RGB ||
      h.biWidth <= 0 || h.biHeight == 0 || destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 ||
      srcHeight <= 0) {
    return 0;
  }
  const auto* table =
      reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(info) + h.biSize);
  size_t colors = h.biClrUsed ? (h.biClrUsed > 256 ? 256 : h.biClrUsed) : 256;
  uint32_t device[256] = {};
  for (size_t i = 0; i < colors; ++i) {
    win32::Rgb c = static_cast<win32::Rgb>(table[i].rgbRed) << 16 |
                   static_cast<win32::Rgb>(table[i].rgbGreen) << 8 | table[i].rgbBlue;
    device[i] = win32::DeviceColor(*dc, c);
  }
  LONG width = h.biWidth;
  LONG height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  bool bottomUp = h.biHeight > 0;
  size_t stride = (static_cast<size_t>(width) + 3) & ~static_cast<size_t>(3);
  const auto* pixels = static_cast<const BYTE*>(bits);

  win32::Screen& screen = win32::CurrentScreen();
  RECT dest{xDest + dc->origin.x, yDest + dc->origin.y, xDest + destWidth + dc->origin.x,
            yDest + destHeight + dc->origin.y};
  win32::Region area(dest);
  area.Intersect(dc->clip);
  area.Intersect(RECT{0, 0, screen.width(), screen.height()});
  for (const RECT& r : area.rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      // Rows of a bottom-up picture, and its ySrc, count from the bottom; the top row of the
      // destination shows the top row of the source rectangle.
      LONG s = static_cast<LONG>((static_cast<long long>(y - dest.top) * srcHeight) / destHeight);
      LONG memoryRow = bottomUp ? ySrc + srcHeight - 1 - s : ySrc + s;
      if (memoryRow < 0 || memoryRow >= height) continue;
      size_t row = static_cast<size_t>(memoryRow) * stride;
      size_t out = static_cast<size_t>(y) * static_cast<size_t>(screen.width());
      for (LONG x = r.left; x < r.right; ++x) {
        LONG sx = xSrc +
                  static_cast<LONG>((static_cast<long long>(x - dest.left) * srcWidth) / destWidth);
        if (sx < 0 || sx >= width) continue;
        screen.Store(out + static_cast<size_t>(x), device[pixels[row + static_cast<size_t>(sx)]]);
      }
    }
  }
  screen.Touch();
  return srcHeight;
}
