// Stock objects, solid brushes, selection and deletion.
#include "gdi_object.h"

#include <set>

#include "device_context.h"
#include "palette.h"

namespace win32 {
namespace {

std::set<GdiObject*>& Live() {
  static std::set<GdiObject*> live;
  return live;
}

GdiObject* Make(GdiObject object) { return static_cast<GdiObject*>(AddObject(std::move(object))); }

}  // namespace

HGDIOBJ AddObject(GdiObject object) {
  auto* made = new GdiObject(std::move(object));
  Live().insert(made);
  return made;
}

GdiObject* FindObject(HGDIOBJ handle) {
  auto* object = static_cast<GdiObject*>(handle);
  return Live().count(object) ? object : nullptr;
}

Rgb ColorOf(COLORREF color) {
  return (color & 0xFF) << 16 | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

}  // namespace win32

using win32::GdiObject;

HGDIOBJ WINAPI GetStockObject(int object) {
  using K = GdiObject::Kind;
  static GdiObject* stock[16] = {
      win32::Make({K::kBrush, 0xFFFFFF, false, true, {}, {}}),
      win32::Make({K::kBrush, 0xC0C0C0, false, true, {}, {}}),
      win32::Make({K::kBrush, 0x808080, false, true, {}, {}}),
      win32::Make({K::kBrush, 0x404040, false, true, {}, {}}),
      win32::Make({K::kBrush, 0x000000, false, true, {}, {}}),
      win32::Make({K::kBrush, 0, true, true, {}, {}}),
      win32::Make({K::kPen, 0xFFFFFF, false, true, {}, {}}),
      win32::Make({K::kPen, 0x000000, false, true, {}, {}}),
      win32::Make({K::kPen, 0, true, true, {}, {}}),
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      win32::Make(win32::DefaultPaletteObject()),
  };
  return object >= 0 && object < 16 ? stock[object] : nullptr;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return reinterpret_cast<HBRUSH>(
      win32::Make({GdiObject::Kind::kBrush, win32::ColorOf(color), false, false, {}, {}}));
}

HGDIOBJ WINAPI SelectObject(HDC handle, HGDIOBJ object) {
  win32::DeviceContext* dc = win32::FromHandle(handle);
  GdiObject* o = win32::FindObject(object);
  if (!dc || !o) return nullptr;
  HGDIOBJ previous = nullptr;
  switch (o->kind) {
    case GdiObject::Kind::kBrush:
      previous = dc->brush;
      dc->brush = object;
      break;
    case GdiObject::Kind::kPen:
      previous = dc->pen;
      dc->pen = object;
      break;
    case GdiObject::Kind::kPalette:
      return nullptr;  // palettes go through SelectPalette
  }
  return previous;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  GdiObject* o = win32::FindObject(object);
  if (!o) return FALSE;
  if (o->stock) return TRUE;
  win32::Live().erase(o);
  delete o;
  return TRUE;
}
