// The one program module: its handle, its file name (as a DOS path) and the Windows folder.
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "platform/drives.h"
#include "win32_api.h"

namespace {

struct Module {};
Module g_programModule;

std::string ProgramDosPath() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "C:\\channels.exe";
  std::string host(buffer, static_cast<size_t>(n));
  return win32::CurrentDrives().ToDos(host).value_or("C:\\channels.exe");
}

// Copies with the Win32 truncation rule: at most size - 1 characters and a terminator.
DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  DWORD n = static_cast<DWORD>(text.size() < size ? text.size() : size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return n;
}

}  // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  if (moduleName) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HMODULE>(&g_programModule);
}

DWORD WINAPI GetModuleFileNameA(HMODULE, LPSTR fileName, DWORD size) {
  return CopyOut(ProgramDosPath(), fileName, size);
}

UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) {
  static const std::string windows = "C:\\WINDOWS";
  if (size <= windows.size()) return static_cast<UINT>(windows.size() + 1);
  return CopyOut(windows, buffer, size);
}
