// Screenshots: the whole screen as the user sees it, as an RGB PNG file.
#pragma once

#include <string>

#include "platform/screen.h"

namespace win32 {

bool WriteScreenshot(const Screen& screen, const std::string& path);

}  // namespace win32
