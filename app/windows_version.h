// The oldest Windows the program runs on: 3.51.
#pragma once

#include "win32_api.h"

// `version` as GetVersion gives it: major version in the lowest byte, minor in the next.
inline bool IsSupportedWindowsVersion(DWORD version) {
  unsigned major = LOBYTE(version);
  unsigned minor = HIBYTE(version);
  return major > 3 || (major == 3 && minor >= 51);
}
