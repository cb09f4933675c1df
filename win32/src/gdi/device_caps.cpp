// GetDeviceCaps: the screen's capabilities, from its mode.
#include "device_context.h"
#include "platform/screen.h"

int WINAPI GetDeviceCaps(HDC dc, int index) {
  if (!win32::FromHandle(dc)) return 0;
  const win32::ScreenMode& mode = win32::CurrentScreen().mode();
  switch (index) {
    case HORZRES:
      return mode.width;
    case VERTRES:
      return mode.height;
    case BITSPIXEL:
      return mode.bitsPerPixel;
    case PLANES:
      return mode.planes;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB |
             (mode.palette ? RC_PALETTE : 0);
    case SIZEPALETTE:
      return mode.palette ? 1 << mode.bitsPerPixel : 0;
    case NUMRESERVED:
      return mode.palette ? 20 : 0;
    default:
      return 0;
  }
}
