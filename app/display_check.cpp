#include "display_check.h"

#include "channel_app.h"
#include "res/resource_ids.h"

void CheckDisplay() {
  HDC screen = GetDC(nullptr);
  int palette = GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE;
  int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
  int planes = GetDeviceCaps(screen, PLANES);
  CString caption;
  caption.LoadString(IDS_VIDEO_WARNING);

  if (bitsPerPixel == 8 && planes == 1) {
    if (!palette) {
      CString text;
      text.LoadString(IDS_NO_PALETTES);
      MessageBoxA(nullptr, text, caption, MB_ICONINFORMATION);
    }
  } else {
    int lastDepth = static_cast<int>(theApp.GetProfileInt("Windows", "Last Color Depth", 8));
    if (bitsPerPixel != 8 && lastDepth != bitsPerPixel) {
      // Stored first, so the warning stays away even if the program ends while it is shown.
      theApp.WriteProfileInt("Windows", "Last Color Depth", bitsPerPixel);
      CString text;
      text.LoadString(IDS_NOT_256_COLORS);
      MessageBoxA(nullptr, text, caption, MB_OK);
    }
  }
  ReleaseDC(nullptr, screen);
}
