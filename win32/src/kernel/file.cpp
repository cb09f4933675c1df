// Read-only files on the mapped drives, found by their DOS path like FindFirstFileA finds
// them. A failing read (a disc taken out, a folder unmounted) is reported, never fatal.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kernel_object.h"
#include "platform/drives.h"

namespace win32 {
namespace {

class File : public KernelObject {
 public:
  explicit File(int fd) : fd_(fd) {}
  ~File() override { close(fd_); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  int fd() const { return fd_; }
  int64_t position = 0;

 private:
  int fd_;
};

DWORD ErrorOf(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case ENODEV:
    case ENXIO:
    case ESTALE:
    case ENOMEDIUM:
      return ERROR_NOT_READY;
    default:
      return ERROR_READ_FAULT;
  }
}

}  // namespace
}  // namespace win32

HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES,
                          DWORD creation, DWORD, HANDLE) {
  // Only reading existing files: the drives hold a game's CD-ROM.
  if (!fileName || creation != OPEN_EXISTING || (shareMode & ~FILE_SHARE_READ) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  if (access != GENERIC_READ) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  std::optional<std::string> host = win32::CurrentDrives().ToHost(fileName);
  if (!host) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  int fd = open(host->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    DWORD error = win32::ErrorOf(errno);
    // A missing file in a missing folder is a missing path.
    struct stat st;
    std::string folder = host->substr(0, host->find_last_of('/') + 1);
    if (error == ERROR_FILE_NOT_FOUND && stat(folder.c_str(), &st) != 0)
      error = ERROR_PATH_NOT_FOUND;
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  return win32::AddHandle(std::make_unique<win32::File>(fd));
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                     LPOVERLAPPED overlapped) {
  if (read) *read = 0;
  auto* f = win32::FindKernelObjectOf<win32::File>(file);
  if (!f) return FALSE;
  if (overlapped || (!buffer && toRead > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD done = 0;
  while (done < toRead) {
    ssize_t n = pread(f->fd(), static_cast<char*>(buffer) + done, toRead - done,
                      static_cast<off_t>(f->position + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(win32::ErrorOf(errno));
      return FALSE;
    }
    if (n == 0) break;  // the end of the file
    done += static_cast<DWORD>(n);
  }
  f->position += done;
  if (read) *read = done;
  return TRUE;
}

DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method) {
  auto* f = win32::FindKernelObjectOf<win32::File>(file);
  if (!f) return INVALID_SET_FILE_POINTER;
  // Without the high part the distance is a signed 32-bit value.
  int64_t move = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(*distanceHigh) << 32) |
                                                     static_cast<DWORD>(distance))
                              : distance;
  int64_t base = 0;
  struct stat st;
  switch (method) {
    case FILE_BEGIN:
      break;
    case FILE_CURRENT:
      base = f->position;
      break;
    case FILE_END:
      if (fstat(f->fd(), &st) != 0) {
        SetLastError(win32::ErrorOf(errno));
        return INVALID_SET_FILE_POINTER;
      }
      base = st.st_size;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_SET_FILE_POINTER;
  }
  int64_t target = base + move;
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  if (!distanceHigh && target > 0xFFFFFFFE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  f->position = target;
  if (distanceHigh) *distanceHigh = static_cast<LONG>(target >> 32);
  // A position whose low part looks like the failure value is told apart by the error.
  if (static_cast<DWORD>(target) == INVALID_SET_FILE_POINTER) SetLastError(NO_ERROR);
  return static_cast<DWORD>(target);
}

DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh) {
  auto* f = win32::FindKernelObjectOf<win32::File>(file);
  if (!f) return INVALID_FILE_SIZE;
  struct stat st;
  if (fstat(f->fd(), &st) != 0) {
    SetLastError(win32::ErrorOf(errno));
    return INVALID_FILE_SIZE;
  }
  uint64_t size = static_cast<uint64_t>(st.st_size);
  if (sizeHigh) *sizeHigh = static_cast<DWORD>(size >> 32);
  if (static_cast<DWORD>(size) == INVALID_FILE_SIZE) SetLastError(NO_ERROR);
  return static_cast<DWORD>(size);
}
