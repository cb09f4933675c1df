// The five buttons of the remote control and where they go on the screen.
#pragma once

#include <cstdint>

#include "win32_api.h"

constexpr int32_t kButtonCount = 5;
constexpr int32_t NO_BUTTON = 5;  // one past the last button index

// By button index: 0 QUIT, 1 to 4 the channel buttons.
extern const int32_t g_normalBitmapIds[kButtonCount];
extern const int32_t g_pressedBitmapIds[kButtonCount];
extern const int32_t g_buttonCommands[kButtonCount];

// The buttons' rectangles for a screen of width W and height H: the 140 x 210 picture
// centred, channels 1 and 2 in the top row, 3 and 4 in the middle one, QUIT at the bottom.
void LayOutButtons(int width, int height, RECT rects[kButtonCount]);
