#include "device_context.h"

#include <memory>
#include <set>

#include "gdi_object.h"

namespace win32 {
namespace {

std::set<DeviceContext*>& Live() {
  static std::set<DeviceContext*> live;
  return live;
}

}  // namespace

HDC CreateDeviceContext(HWND window, POINT origin, const Region& clip) {
  auto* dc = new DeviceContext;
  dc->window = window;
  dc->origin = origin;
  dc->clip = clip;
  dc->brush = GetStockObject(WHITE_BRUSH);
  dc->pen = GetStockObject(BLACK_PEN);
  dc->palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  Live().insert(dc);
  return reinterpret_cast<HDC>(dc);
}

void DeleteDeviceContext(HDC handle) {
  DeviceContext* dc = FromHandle(handle);
  if (!dc) return;
  Live().erase(dc);
  delete dc;
}

DeviceContext* FromHandle(HDC handle) {
  auto* dc = reinterpret_cast<DeviceContext*>(handle);
  return Live().count(dc) ? dc : nullptr;
}

}  // namespace win32
