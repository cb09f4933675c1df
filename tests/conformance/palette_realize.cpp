// On a palette display: a foreground window's realised palette puts its colours into the
// system palette beside the twenty static colours, which keep their places. Not on a
// palette display: nothing to check.
#include <vector>

#include "check.h"

using conformance::Check;

namespace {

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

COLORREF Color(int i) { return RGB(40 + i % 200, 255 - i, (i * 7) % 256); }

}  // namespace

int main() {
  HWND window = conformance::MakeWindow("PaletteRealize", Proc, 0, 0, 64, 64);
  conformance::Drain();
  HDC dc = GetDC(window);
  if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
    ReleaseDC(window, dc);
    DestroyWindow(window);
    std::printf("palette_realize: not a palette display, nothing to check\n");
    return conformance::Finish("palette_realize");
  }
  Check(GetDeviceCaps(dc, SIZEPALETTE) == 256 && GetDeviceCaps(dc, NUMRESERVED) == 20,
        "256 entries, 20 of them reserved");
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + 99 * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = 100;
  for (int i = 0; i < 100; ++i) {
    COLORREF c = Color(i);
    logical->palPalEntry[i] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
  }
  HPALETTE palette = CreatePalette(logical);
  Check(palette != nullptr, "CreatePalette");
  SelectPalette(dc, palette, FALSE);
  UINT realized = RealizePalette(dc);
  Check(realized > 0 && realized != GDI_ERROR,
        "RealizePalette maps entries into the system palette");

  PALETTEENTRY system[256];
  Check(GetSystemPaletteEntries(dc, 0, 256, system) == 256, "the system palette has 256 entries");
  int found = 0;
  for (int i = 0; i < 100; ++i) {
    for (const PALETTEENTRY& e : system) {
      if (RGB(e.peRed, e.peGreen, e.peBlue) == Color(i)) {
        ++found;
        break;
      }
    }
  }
  Check(found == 100, "every colour of the palette is in the system palette");
  Check(system[0].peRed == 0 && system[0].peGreen == 0 && system[0].peBlue == 0 &&
            system[255].peRed == 255 && system[255].peGreen == 255 && system[255].peBlue == 255,
        "the static colours keep their places");

  DeleteObject(SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE));
  ReleaseDC(window, dc);
  DestroyWindow(window);
  return conformance::Finish("palette_realize");
}
