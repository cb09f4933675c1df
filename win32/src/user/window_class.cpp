// Window classes, registered by name (names compare without regard to case).
#include <strings.h>

#include <string>
#include <vector>

#include "win32_api.h"

namespace {

struct RegisteredClass {
  std::string name;
  WNDCLASSA fields;
  ATOM atom;
};

std::vector<RegisteredClass>& Classes() {
  static std::vector<RegisteredClass> classes;
  return classes;
}

}  // namespace

ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass) {
  if (!windowClass || !windowClass->lpfnWndProc || !windowClass->lpszClassName ||
      IS_INTRESOURCE(windowClass->lpszClassName) || windowClass->cbClsExtra < 0 ||
      windowClass->cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (const RegisteredClass& c : Classes()) {
    if (strcasecmp(c.name.c_str(), windowClass->lpszClassName) == 0) {
      SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
      return 0;
    }
  }
  ATOM atom = static_cast<ATOM>(0xC000 + Classes().size());
  Classes().push_back({windowClass->lpszClassName, *windowClass, atom});
  Classes().back().fields.lpszClassName = nullptr;  // the copy owns the name
  return atom;
}

LRESULT WINAPI DefWindowProcA(HWND, UINT, WPARAM, LPARAM) { return 0; }
