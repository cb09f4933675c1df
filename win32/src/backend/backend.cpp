#include "backend.h"

#include <cstdlib>
#include <memory>

#include "headless/headless_backend.h"
#include "platform/event_log.h"
#include "sdl/sdl_backend.h"

namespace win32 {

Backend& CurrentBackend() {
  static std::unique_ptr<Backend> backend = []() -> std::unique_ptr<Backend> {
    if (CurrentSettings().backend == "headless") return std::make_unique<HeadlessBackend>();
    return std::make_unique<SdlBackend>();
  }();
  return *backend;
}

void ExitProcessWithCode(int code) {
  LogEvent("exit", {{"code", JsonValue::Number(code)}});
  std::exit(code);
}

}  // namespace win32
