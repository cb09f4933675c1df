#include "button_layout.h"

#include "res/resource_ids.h"

const int32_t g_normalBitmapIds[kButtonCount] = {IDB_QUIT, IDB_KEY1, IDB_KEY2, IDB_KEY3, IDB_KEY4};
const int32_t g_pressedBitmapIds[kButtonCount] = {
    IDB_QUIT_PRESSED, IDB_KEY1_PRESSED, IDB_KEY2_PRESSED, IDB_KEY3_PRESSED, IDB_KEY4_PRESSED};
const int32_t g_buttonCommands[kButtonCount] = {5, 1, 2, 3, 4};

void LayOutButtons(int width, int height, RECT rects[kButtonCount]) {
  // Each division truncates toward zero on its own, also for screens under 210 pixels high.
  const int x = width / 2;
  const int top = (height - 210) / 2;
  const int middle = (height - 70) / 2;
  const int bottom = (height + 70) / 2;
  rects[0] = RECT{x - 70, bottom, x + 70, bottom + 70};
  rects[1] = RECT{x - 70, top, x, top + 70};
  rects[2] = RECT{x, top, x + 70, top + 70};
  rects[3] = RECT{x - 70, middle, x, middle + 70};
  rects[4] = RECT{x, middle, x + 70, middle + 70};
}
