// Basic Win32 types and macros, with the sizes they have on 32-bit Windows where the system
// depends on them (LONG and DWORD are 32 bits even on a 64-bit Linux host).
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef int INT;
typedef unsigned int UINT;
typedef char CHAR;
typedef char TCHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef LPSTR LPTSTR;
typedef LPCSTR LPCTSTR;
typedef BYTE* LPBYTE;
typedef const BYTE* LPCBYTE;
typedef DWORD* LPDWORD;
typedef LONG* PLONG;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t UINT_PTR;
typedef uintptr_t DWORD_PTR;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef WORD ATOM;
typedef DWORD COLORREF;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *LPPOINT;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *LPRECT;
typedef const RECT* LPCRECT;

#define TRUE 1
#define FALSE 0

#define DECLARE_WIN32_HANDLE(name) \
  struct name##__;                 \
  typedef struct name##__* name
typedef void* HANDLE;
DECLARE_WIN32_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
DECLARE_WIN32_HANDLE(HWND);
DECLARE_WIN32_HANDLE(HDC);
DECLARE_WIN32_HANDLE(HKEY);
DECLARE_WIN32_HANDLE(HRSRC);
DECLARE_WIN32_HANDLE(HICON);
typedef HICON HCURSOR;
DECLARE_WIN32_HANDLE(HMENU);
typedef void* HGDIOBJ;
DECLARE_WIN32_HANDLE(HBRUSH);
DECLARE_WIN32_HANDLE(HPEN);
DECLARE_WIN32_HANDLE(HPALETTE);
DECLARE_WIN32_HANDLE(HBITMAP);
DECLARE_WIN32_HANDLE(HFONT);
typedef void* HGLOBAL;

// Security attributes are never given: callers pass none.
typedef struct SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#define LOBYTE(w) ((BYTE)(((uintptr_t)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((uintptr_t)(w)) >> 8) & 0xff))
#define LOWORD(l) ((WORD)(((uintptr_t)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((uintptr_t)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((uintptr_t)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((((uintptr_t)(p)) >> 16) == 0)
#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define MAX_PATH 260
