// GetVersion: the Windows version the platform reports (CHANNELS_WINVER, default 4.0).
#include "platform/settings.h"
#include "win32_api.h"

DWORD WINAPI GetVersion(void) {
  const win32::Settings& s = win32::CurrentSettings();
  // Low byte: major version; next byte: minor version; high word: build number, bit 31 clear
  // as on the NT line.
  return static_cast<DWORD>(s.winverMajor | (s.winverMinor << 8));
}
