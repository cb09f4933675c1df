#include "device_context.h"

namespace win32 {

DeviceContext* FromHandle(HDC dc) { return reinterpret_cast<DeviceContext*>(dc); }

}  // namespace win32
