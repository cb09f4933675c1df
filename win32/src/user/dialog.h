// The dialog manager's inner steps, shared by dialogs from templates and message boxes.
#pragma once

#include <string>

#include "win32_api.h"

namespace win32 {

// What the dialog manager keeps on a dialog window.
struct DialogInfo {
  bool ended = false;  // EndDialog was called
  INT_PTR result = 0;
};

// Creates a dialog window of the class "#32770" with `proc` as its dialog procedure and
// sends it WM_INITDIALOG; it is shown afterwards when `style` has WS_VISIBLE.
HWND CreateDialogWindow(const RECT& rect, DWORD style, DWORD exStyle, const std::string& title,
                        HWND owner, DLGPROC proc, LPARAM param);

// Runs the modal loop of a dialog until EndDialog, then destroys it; the owner is disabled
// meanwhile. Messages for other windows are dispatched as usual.
INT_PTR RunModalLoop(HWND dialog, HWND owner);

}  // namespace win32
