// GetDC and ReleaseDC.
#include "gdi/device_context.h"

HDC WINAPI GetDC(HWND window) {
  return reinterpret_cast<HDC>(new win32::DeviceContext{window});
}

int WINAPI ReleaseDC(HWND, HDC dc) {
  if (!dc) return 0;
  delete win32::FromHandle(dc);
  return 1;
}
