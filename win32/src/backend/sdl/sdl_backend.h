// The SDL2 backend: the real display and the real user.
#pragma once

#include "backend/backend.h"

namespace win32 {

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  ScreenMode DesktopMode() override;
  int RunMessageBox(const std::string& caption, const std::string& text, unsigned type) override;

 private:
  bool video_ = false;
};

}  // namespace win32
