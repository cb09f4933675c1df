// Drawing on the screen's framebuffer, clipped to a context's area.
#pragma once

#include "device_context.h"
#include "platform/screen.h"

namespace win32 {

// Fills a screen area with a device colour (see DeviceColor).
void FillScreenArea(const Region& area, uint32_t deviceColor);

// Copies what the screen shows at `to` moved back by (dx, dy) into `to`, as a window's
// contents travel with it; the source may overlap the destination.
void CopyScreenArea(const Region& to, int dx, int dy);

// Fills a rectangle in the context's coordinates with an RGB colour.
void FillContextRect(const DeviceContext& dc, const RECT& rect, Rgb color);

// Sets one pixel in the context's coordinates, if the context may draw there.
void PutContextPixel(const DeviceContext& dc, int x, int y, uint32_t deviceColor);

}  // namespace win32
