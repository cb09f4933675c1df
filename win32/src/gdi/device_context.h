// Device contexts: what a drawing call draws on.
#pragma once

#include "win32_api.h"

namespace win32 {

struct DeviceContext {
  HWND window = nullptr;  // null: the whole screen
};

DeviceContext* FromHandle(HDC dc);

}  // namespace win32
