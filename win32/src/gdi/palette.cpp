// Palettes. On a palette-based screen the system palette has 256 entries: the twenty static
// colours at 0-9 and 246-255 and 236 entries that palettes claim when they are realised.
// A foreground palette (the active window's) first frees all 236; a background palette
// only takes what is still free. Colours already in the system palette are shared.
#include "palette.h"

#include <array>
#include <climits>

#include "platform/event_log.h"
#include "platform/screen.h"
#include "user/window.h"

namespace win32 {
namespace {

std::array<bool, 256>& Used() {
  static std::array<bool, 256> used = [] {
    std::array<bool, 256> u{};
    for (int i = 0; i < 20; ++i) u[StaticColorIndex(i)] = true;
    return u;
  }();
  return used;
}

Rgb EntryColor(const PALETTEENTRY& e) {
  return static_cast<Rgb>(e.peRed) << 16 | static_cast<Rgb>(e.peGreen) << 8 | e.peBlue;
}

int Distance(Rgb a, Rgb b) {
  int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

// The nearest system palette entry in use.
uint8_t NearestSystemEntry(Rgb color) {
  const auto& system = CurrentScreen().systemPalette();
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < 256; ++i) {
    if (!Used()[static_cast<size_t>(i)]) continue;
    int d = Distance(system[static_cast<size_t>(i)], color);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return static_cast<uint8_t>(best);
}

void MapToNearest(GdiObject& palette) {
  palette.toSystem.resize(palette.entries.size());
  for (size_t i = 0; i < palette.entries.size(); ++i) {
    palette.toSystem[i] = NearestSystemEntry(EntryColor(palette.entries[i]));
  }
}

bool IsForeground(const DeviceContext& dc) {
  return !dc.paletteBackground && dc.window && dc.window == GetActiveWindow();
}

}  // namespace

GdiObject DefaultPaletteObject() {
  GdiObject palette{GdiObject::Kind::kPalette, 0, false, true, {}, {}};
  for (int i = 0; i < 20; ++i) {
    Rgb c = kStaticColors[i];
    palette.entries.push_back(
        {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0});
    palette.toSystem.push_back(static_cast<uint8_t>(StaticColorIndex(i)));
  }
  return palette;
}

uint32_t DeviceColor(const DeviceContext& dc, Rgb color) {
  const Screen& screen = CurrentScreen();
  if (!screen.paletted()) return screen.Reduce(color);
  GdiObject* palette = FindObject(dc.palette);
  if (!palette || palette->entries.empty()) return NearestSystemEntry(color);
  size_t best = 0;
  int bestDistance = INT_MAX;
  for (size_t i = 0; i < palette->entries.size(); ++i) {
    int d = Distance(EntryColor(palette->entries[i]), color);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return palette->toSystem[best];
}

}  // namespace win32

using win32::GdiObject;

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logical) {
  if (!logical || logical->palVersion != 0x300 || logical->palNumEntries == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  GdiObject palette{GdiObject::Kind::kPalette, 0, false, false, {}, {}};
  palette.entries.assign(logical->palPalEntry, logical->palPalEntry + logical->palNumEntries);
  win32::MapToNearest(palette);
  return static_cast<HPALETTE>(win32::AddObject(std::move(palette)));
}

HPALETTE WINAPI SelectPalette(HDC handle, HPALETTE palette, BOOL forceBackground) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  GdiObject* object = win32::FindObject(palette);
  if (!dc || !object || object->kind != GdiObject::Kind::kPalette) return nullptr;
  HPALETTE previous = dc->palette;
  dc->palette = palette;
  dc->paletteBackground = forceBackground != 0;
  return previous;
}

UINT WINAPI RealizePalette(HDC handle) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  if (!dc) return GDI_ERROR;
  GdiObject* palette = win32::FindObject(dc->palette);
  win32::Screen& screen = win32::CurrentScreen();
  if (!palette || palette->stock || !screen.paletted()) return 0;

  auto& used = win32::Used();
  std::array<win32::Rgb, 256> system = screen.systemPalette();
  bool foreground = win32::IsForeground(*dc);
  if (foreground) {
    for (int i = 10; i < 246; ++i) used[static_cast<size_t>(i)] = false;
  }
  UINT placed = 0;
  size_t nextFree = 10;
  for (size_t i = 0; i < palette->entries.size(); ++i) {
    win32::Rgb color = win32::EntryColor(palette->entries[i]);
    int match = -1;
    for (int s = 0; s < 256 && match < 0; ++s) {
      if (used[static_cast<size_t>(s)] && system[static_cast<size_t>(s)] == color) match = s;
    }
    if (match < 0) {
      while (nextFree < 246 && used[nextFree]) ++nextFree;
      if (nextFree < 246) {
        match = static_cast<int>(nextFree);
        system[nextFree] = color;
        used[nextFree] = true;
        ++placed;
      }
    }
    palette->toSystem[i] =
        match >= 0 ? static_cast<uint8_t>(match) : win32::NearestSystemEntry(color);
  }
  if (system != screen.systemPalette()) {
    screen.SetSystemPalette(system);
    win32::LogEvent("palette",
                    {{"op", win32::JsonValue::String("realize")},
                     {"entries", win32::JsonValue::Number(placed)},
                     {"foreground", win32::JsonValue::Raw(foreground ? "true" : "false")}});
    // Every top-level window hears that the system palette changed, and who changed it.
    for (win32::Window* w : win32::StackingOrder()) {
      SendMessageA(w->handle, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(dc->window), 0);
    }
  }
  return placed;
}

UINT WINAPI GetSystemPaletteEntries(HDC, UINT start, UINT count, LPPALETTEENTRY entries) {
  const win32::Screen& screen = win32::CurrentScreen();
  if (!screen.paletted()) return 0;
  if (!entries) return 256;
  UINT n = 0;
  for (UINT i = start; i < 256 && n < count; ++i, ++n) {
    win32::Rgb c = screen.systemPalette()[i];
    entries[n] = {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0};
  }
  return n;
}
