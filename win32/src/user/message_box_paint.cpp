// The look of a message box: a raised grey frame, a dark blue title bar with the caption
// in bold white, the icon, the text in black and the OK button.
#include <cmath>

#include "gdi/draw.h"
#include "gdi/font.h"
#include "gdi/palette.h"
#include "message_box.h"

namespace win32 {
namespace {

const Rgb kFace = 0xC0C0C0;
const Rgb kShadow = 0x808080;
const Rgb kHighlight = 0xFFFFFF;
const Rgb kBlack = 0x000000;
const Rgb kTitle = 0x000080;

void Fill(const DeviceContext& dc, LONG l, LONG t, LONG r, LONG b, Rgb color) {
  FillContextRect(dc, RECT{l, t, r, b}, color);
}

// Two-pixel edges: `outerTopLeft` and `outerBottomRight` outside, the inner pair inside.
void Edge(const DeviceContext& dc, const RECT& r, Rgb outerTopLeft, Rgb outerBottomRight,
          Rgb innerTopLeft, Rgb innerBottomRight) {
  Fill(dc, r.left, r.top, r.right, r.top + 1, outerTopLeft);
  Fill(dc, r.left, r.top, r.left + 1, r.bottom, outerTopLeft);
  Fill(dc, r.left, r.bottom - 1, r.right, r.bottom, outerBottomRight);
  Fill(dc, r.right - 1, r.top, r.right, r.bottom, outerBottomRight);
  Fill(dc, r.left + 1, r.top + 1, r.right - 1, r.top + 2, innerTopLeft);
  Fill(dc, r.left + 1, r.top + 1, r.left + 2, r.bottom - 1, innerTopLeft);
  Fill(dc, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, innerBottomRight);
  Fill(dc, r.right - 2, r.top + 1, r.right - 1, r.bottom - 1, innerBottomRight);
}

// A 32 x 32 icon drawn from shapes: `inside` says which pixels the shape covers, `mark`
// which of them carry the symbol.
template <typename Inside, typename Mark>
void Icon(const DeviceContext& dc, const RECT& at, Rgb fill, Rgb symbol, Inside inside, Mark mark) {
  uint32_t fillColor = DeviceColor(dc, fill);
  uint32_t symbolColor = DeviceColor(dc, symbol);
  uint32_t outline = DeviceColor(dc, kBlack);
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      if (!inside(x, y)) continue;
      bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      uint32_t c = edge ? outline : mark(x, y) ? symbolColor : fillColor;
      PutContextPixel(dc, at.left + x, at.top + y, c);
    }
  }
}

bool InCircle(int x, int y) {
  double dx = x - 15.5;
  double dy = y - 15.5;
  return dx * dx + dy * dy <= 15.0 * 15.0;
}

void DrawIcon(const DeviceContext& dc, const RECT& at, UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONEXCLAMATION:
      Icon(
          dc, at, 0xFFFF00, kBlack,
          [](int x, int y) {
            return y >= 1 && y <= 30 && std::abs(x - 15.5) <= (y - 1) * 0.5 + 0.5;
          },
          [](int x, int y) {
            return x >= 14 && x <= 17 && ((y >= 10 && y <= 21) || (y >= 24 && y <= 27));
          });
      break;
    case MB_ICONSTOP:
      Icon(dc, at, 0xFF0000, kHighlight, InCircle, [](int x, int y) {
        return x >= 8 && x <= 23 && y >= 8 && y <= 23 &&
               (std::abs(x - y) <= 1 || std::abs(x + y - 31) <= 1);
      });
      break;
    case MB_ICONINFORMATION:
      Icon(dc, at, kHighlight, 0x0000FF, InCircle, [](int x, int y) {
        return x >= 14 && x <= 17 && ((y >= 7 && y <= 10) || (y >= 13 && y <= 25));
      });
      break;
    case MB_ICONQUESTION:
      Icon(dc, at, kHighlight, 0x0000FF, InCircle, [](int x, int y) {
        bool hook = (y >= 6 && y <= 8 && x >= 11 && x <= 20) ||
                    (y >= 8 && y <= 15 && x >= 19 && x <= 21) ||
                    (y >= 14 && y <= 16 && x >= 15 && x <= 20) ||
                    (y >= 16 && y <= 20 && x >= 15 && x <= 17);
        return hook || (y >= 23 && y <= 25 && x >= 15 && x <= 17);
      });
      break;
  }
}

}  // namespace

void PaintMessageBox(HDC handle, const MessageBoxState& box) {
  const DeviceContext* dc = FromHandle(handle);
  if (!dc) return;
  const MessageBoxLayout& l = box.layout;
  LONG w = l.window.right - l.window.left;
  LONG h = l.window.bottom - l.window.top;
  Fill(*dc, 0, 0, w, h, kFace);
  Edge(*dc, RECT{0, 0, w, h}, kFace, kBlack, kHighlight, kShadow);
  Fill(*dc, l.caption.left, l.caption.top, l.caption.right, l.caption.bottom, kTitle);
  const Font& bold = Font::Bold();
  bold.Draw(*dc, l.caption.left + 4, l.caption.top + (kCaptionHeight - bold.LineHeight()) / 2,
            box.caption, kHighlight);

  if (l.icon.right > l.icon.left) DrawIcon(*dc, l.icon, box.type);
  const Font& font = Font::Regular();
  int y = l.text.top;
  for (const std::string& line : l.lines) {
    font.Draw(*dc, l.text.left, y, line, kBlack);
    y += font.LineHeight();
  }

  // The OK button, framed in black as the default button.
  const RECT& b = l.button;
  Fill(*dc, b.left, b.top, b.right, b.bottom, kBlack);
  RECT inner{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
  Fill(*dc, inner.left, inner.top, inner.right, inner.bottom, kFace);
  int shift = 0;
  if (box.buttonPressed) {
    Fill(*dc, inner.left, inner.top, inner.right, inner.top + 1, kShadow);
    Fill(*dc, inner.left, inner.top, inner.left + 1, inner.bottom, kShadow);
    shift = 1;
  } else {
    Edge(*dc, inner, kHighlight, kBlack, kFace, kShadow);
  }
  int labelWidth = font.Width("OK");
  font.Draw(*dc, b.left + (kButtonWidth - labelWidth) / 2 + shift,
            b.top + (kButtonHeight - font.LineHeight()) / 2 + shift, "OK", kBlack);
}

}  // namespace win32
