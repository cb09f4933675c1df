// Device contexts: what a drawing call draws on, and where it may draw.
#pragma once

#include "platform/region.h"
#include "win32_api.h"

namespace win32 {

struct DeviceContext {
  HWND window = nullptr;  // null: the whole screen
  POINT origin{};         // where the context's (0, 0) is on the screen
  Region clip;            // screen coordinates
  HGDIOBJ brush = nullptr;
  HGDIOBJ pen = nullptr;
  HPALETTE palette = nullptr;
  bool paletteBackground = false;  // SelectPalette was asked to force the background
};

// A new context for a window (null: the screen), drawing only inside `clip`.
HDC CreateDeviceContext(HWND window, POINT origin, const Region& clip);
void DeleteDeviceContext(HDC dc);

// The context of a handle; null for anything else.
DeviceContext* FromHandle(HDC dc);

}  // namespace win32
