// Message boxes: real windows with a caption, an icon, the text and an OK button, each
// running its own modal loop, which still dispatches every other window's messages.
#pragma once

#include <string>

#include "message_box_layout.h"

namespace win32 {

struct MessageBoxState {
  MessageBoxLayout layout;
  std::string caption;
  UINT type = 0;
  bool buttonHeld = false;     // the left button went down on OK and is still down
  bool buttonPressed = false;  // ... and the pointer is over OK: the button looks pressed
};

// The most recently opened message box that is still open; null when none is.
HWND TopMessageBox();

// Draws a whole box on a context of its window.
void PaintMessageBox(HDC dc, const MessageBoxState& box);

}  // namespace win32
