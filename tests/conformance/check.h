// The conformance programs state Win32 behaviour that the system relies on. Each is built
// twice: against our Win32 subset (run headless) and as a Windows program (run under Wine).
// A program prints what it finds wrong and ends with status 1, or ends with 0.
#pragma once

#include <cstdio>

#include "win32_api.h"

namespace conformance {

inline int& Failures() {
  static int failures = 0;
  return failures;
}

inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::printf("FAILED: %s\n", what);
  std::fflush(stdout);
  ++Failures();
}

inline int Finish(const char* name) {
  std::printf("%s: %s\n", name, Failures() ? "FAILED" : "ok");
  return Failures() ? 1 : 0;
}

// A visible popup window of a class of its own with `proc` as its procedure.
inline HWND MakeWindow(const char* className, WNDPROC proc, int x = 0, int y = 0, int w = 200,
                       int h = 150) {
  WNDCLASSA c = {};
  c.lpfnWndProc = proc;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = className;
  RegisterClassA(&c);
  return CreateWindowExA(0, className, className, WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Dispatches everything queued, paint included, without waiting.
inline void Drain() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace conformance
