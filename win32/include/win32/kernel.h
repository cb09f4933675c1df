// KERNEL: version, error mode, module, last error and private profile files.
#pragma once

#include "types.h"

#define SEM_FAILCRITICALERRORS 0x0001
#define SEM_NOOPENFILEERRORBOX 0x8000

// The error codes our subset reports, for GetLastError and the registry functions' results.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INVALID_NAME 123L
#define ERROR_MORE_DATA 234L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L

DWORD WINAPI GetVersion(void);
void WINAPI Sleep(DWORD milliseconds);
UINT WINAPI SetErrorMode(UINT mode);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size);

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName);
UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

#define SW_SHOWDEFAULT 10

// The program's entry, defined by the application framework; the Linux runtime calls it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

// File search, as far as existence tests need it: one name, no wildcards.
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

typedef struct _FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME;

typedef struct _WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

HANDLE WINAPI FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA data);
BOOL WINAPI FindClose(HANDLE find);

// Files, read-only: opened by DOS path through the drive map.
#define GENERIC_READ 0x80000000L
#define FILE_SHARE_READ 0x00000001
#define OPEN_EXISTING 3
#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2
#define INVALID_SET_FILE_POINTER ((DWORD)-1)
#define INVALID_FILE_SIZE ((DWORD)0xFFFFFFFF)
#define NO_ERROR 0L
#define ERROR_NOT_READY 21L
#define ERROR_READ_FAULT 30L
#define ERROR_NEGATIVE_SEEK 131L
#define ERROR_NOACCESS 998L

// Overlapped reads are not supported: callers pass no OVERLAPPED.
typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD creation, DWORD flags,
                          HANDLE templateFile);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                     LPOVERLAPPED overlapped);
DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh);
BOOL WINAPI CloseHandle(HANDLE object);

// The performance counter: 10 MHz, monotonic; the virtual time on the virtual clock.
typedef union _LARGE_INTEGER {
  __extension__ struct {
    DWORD LowPart;
    LONG HighPart;
  };
  struct {
    DWORD LowPart;
    LONG HighPart;
  } u;
  LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency);

// Waiting, and waitable timers (due times in 100 ns units; negative: relative to now).
#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 258L
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)

typedef void(CALLBACK* PTIMERAPCROUTINE)(LPVOID argument, DWORD timerLow, DWORD timerHigh);

HANDLE WINAPI CreateWaitableTimerA(LPSECURITY_ATTRIBUTES security, BOOL manualReset, LPCSTR name);
BOOL WINAPI SetWaitableTimer(HANDLE timer, const LARGE_INTEGER* dueTime, LONG period,
                             PTIMERAPCROUTINE completion, LPVOID argument, BOOL resume);
BOOL WINAPI CancelWaitableTimer(HANDLE timer);

// Text for a debugger. With none attached, only event lines (those beginning {"ev":) are kept:
// they go to the event log.
void WINAPI OutputDebugStringA(LPCSTR text);
