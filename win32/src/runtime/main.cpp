// The Linux process entry: hands over to the framework's WinMain like the Windows loader
// does, and logs the exit code.
#include "backend/backend.h"
#include "win32_api.h"

int main() {
  char commandLine[] = "";
  int code = WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWDEFAULT);
  win32::ExitProcessWithCode(code);
}
