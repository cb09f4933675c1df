// Activation, keyboard focus and mouse capture: who gets input.
#pragma once

#include "window.h"

namespace win32 {

// Makes a visible top-level window the active one: it comes to the top, the previously
// active window is told, and the new one takes the focus through its WM_ACTIVATE.
void ActivateWindow(Window& window, WORD how);

// Forgets a window that is hidden or going away; activation passes to the next visible
// window in the stacking order. A capture the window held ends with it, untold.
void WindowHidden(const Window& window);
void WindowGone(const Window& window);

}  // namespace win32
