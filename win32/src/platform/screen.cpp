#include "screen.h"

#include "backend/backend.h"

namespace win32 {

const Rgb kStaticColors[20] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
                               0xC0C0C0, 0x4F657D, 0xA6CAF0, 0xC1CCD9, 0xA0A0A4, 0x808080, 0xFF0000,
                               0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

namespace {

// The sixteen colours of a 4-bit display.
const Rgb kVgaColors[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                            0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                            0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

int Distance(Rgb a, Rgb b) {
  int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

// Keeps the top `bits` bits of a channel and repeats them below, as a display does.
uint32_t Channel(uint32_t v, int bits) {
  v >>= 8 - bits;
  uint32_t out = v << (8 - bits);
  for (int shift = 8 - 2 * bits; shift > -bits; shift -= bits) {
    out |= shift >= 0 ? v << shift : v >> -shift;
  }
  return out & 0xFF;
}

}  // namespace

Screen::Screen(const ScreenMode& mode)
    : mode_(mode), pixels_(static_cast<size_t>(mode.width) * static_cast<size_t>(mode.height), 0) {
  if (paletted()) {
    indices_.assign(pixels_.size(), 0);
    for (int i = 0; i < 20; ++i) systemPalette_[StaticColorIndex(i)] = kStaticColors[i];
  }
}

Rgb Screen::Reduce(Rgb color) const {
  int depth = mode_.bitsPerPixel * mode_.planes;
  if (depth >= 24) return color;
  if (depth >= 15) {
    int green = depth == 16 ? 6 : 5;
    return Channel((color >> 16) & 0xFF, 5) << 16 | Channel((color >> 8) & 0xFF, green) << 8 |
           Channel(color & 0xFF, 5);
  }
  Rgb best = kVgaColors[0];
  for (Rgb c : kVgaColors) {
    if (Distance(c, color) < Distance(best, color)) best = c;
  }
  return best;
}

void Screen::SetSystemPalette(const std::array<Rgb, 256>& palette) {
  systemPalette_ = palette;
  for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = systemPalette_[indices_[i]];
  ++generation_;
}

Screen& CurrentScreen() {
  static Screen screen(CurrentSettings().screen.value_or(CurrentBackend().DesktopMode()));
  return screen;
}

void ReplaceScreen(const ScreenMode& mode) {
  Screen& screen = CurrentScreen();
  uint64_t generation = screen.generation();
  screen = Screen(mode);
  screen.generation_ = generation + 1;  // backends see a new picture
}

}  // namespace win32
