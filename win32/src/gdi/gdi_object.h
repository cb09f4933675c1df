// GDI objects: brushes, pens and logical palettes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/screen.h"
#include "win32_api.h"

namespace win32 {

struct GdiObject {
  enum class Kind { kBrush, kPen, kPalette };
  Kind kind;
  Rgb color = 0;                      // brushes and pens
  bool none = false;                  // the null brush or pen: draws nothing
  bool stock = false;                 // stock objects cannot be deleted
  std::vector<PALETTEENTRY> entries;  // palettes
  std::vector<uint8_t> toSystem;      // palettes: system palette index of each entry
};

// Keeps a new object; its handle is valid until DeleteObject.
HGDIOBJ AddObject(GdiObject object);

// The object of a handle; null for anything else.
GdiObject* FindObject(HGDIOBJ handle);

Rgb ColorOf(COLORREF color);

}  // namespace win32
