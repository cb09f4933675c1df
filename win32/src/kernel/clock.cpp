// Sleep. On the virtual clock (CHANNELS_CLOCK=virtual, the headless default) waiting takes
// no time.
#include <unistd.h>

#include "platform/settings.h"
#include "win32_api.h"

void WINAPI Sleep(DWORD ms) {
  if (!win32::CurrentSettings().virtualClock) usleep(static_cast<useconds_t>(ms) * 1000);
}
