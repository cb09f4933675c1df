// Window classes, registered by name (names compare without regard to case).
#include <strings.h>

#include "user_state.h"

namespace win32 {
namespace {

std::deque<WindowClass>& Classes() { return User().classes; }

}  // namespace

const WindowClass* FindClass(LPCSTR name) {
  if (!name || IS_INTRESOURCE(name)) return nullptr;
  for (const WindowClass& c : Classes()) {
    if (strcasecmp(c.name.c_str(), name) == 0) return &c;
  }
  return nullptr;
}

}  // namespace win32

ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass) {
  if (!windowClass || !windowClass->lpfnWndProc || !windowClass->lpszClassName ||
      IS_INTRESOURCE(windowClass->lpszClassName) || windowClass->cbClsExtra < 0 ||
      windowClass->cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (win32::FindClass(windowClass->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto& classes = win32::Classes();
  ATOM atom = static_cast<ATOM>(0xC000 + classes.size());
  classes.push_back({windowClass->lpszClassName, *windowClass, atom});
  classes.back().fields.lpszClassName = nullptr;  // the record owns the name
  return atom;
}
