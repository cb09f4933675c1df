// AfxMessageBox: the framework's message box, captioned with the application name.
#pragma once

#include "win32_api.h"

// Adds the exclamation icon when `type` names no icon; the box has no owner window, since
// the application has no main window. Returns the button pressed.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The same with string-table entry `promptId` as the text.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = UINT(-1));
