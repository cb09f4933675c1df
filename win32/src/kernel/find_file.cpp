// FindFirstFileA for one name without wildcards: whether a directory entry of that name
// exists, through the drive map. A drive that maps nowhere fails quietly, like an empty
// CD-ROM drive with critical-error prompts switched off.
#include <sys/stat.h>

#include <cstring>
#include <new>

#include "platform/drives.h"
#include "win32_api.h"

namespace {
struct FindHandle {};
}  // namespace

HANDLE WINAPI FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA data) {
  if (!fileName || !data || std::strpbrk(fileName, "*?")) {
    SetLastError(ERROR_INVALID_NAME);
    return INVALID_HANDLE_VALUE;
  }
  std::optional<std::string> host = win32::CurrentDrives().ToHost(fileName);
  struct stat st;
  if (!host || stat(host->c_str(), &st) != 0) {
    SetLastError(host ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  *data = WIN32_FIND_DATAA{};
  data->dwFileAttributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  if (!S_ISDIR(st.st_mode) && !(st.st_mode & S_IWUSR))
    data->dwFileAttributes = FILE_ATTRIBUTE_READONLY;
  uint64_t size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(size);
  // The name as it is on disk.
  std::string name = host->substr(host->find_last_of('/') + 1);
  std::strncpy(data->cFileName, name.c_str(), MAX_PATH - 1);
  return new FindHandle;
}

BOOL WINAPI FindClose(HANDLE find) {
  if (!find || find == INVALID_HANDLE_VALUE) return FALSE;
  delete static_cast<FindHandle*>(find);
  return TRUE;
}
