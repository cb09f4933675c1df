// The display mode changing while the program runs (the headless script's `screen`).
// Each test runs in a process of its own, as the screen is the process's.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/screen.h"
#include "win32_api.h"

namespace {

std::vector<MSG> g_heard;  // WM_DISPLAYCHANGE as the window heard it

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DISPLAYCHANGE) g_heard.push_back(MSG{w, m, wp, lp, 0, {}});
  return DefWindowProcA(w, m, wp, lp);
}

// Starts headless on `screen` with a window over its top-left 640x480, lets it paint, then
// runs the script line `command` and returns the next message the program gets.
MSG ChangeMode(const char* screen, const char* command, HWND& window) {
  std::string script = "/tmp/display_change_" + std::to_string(getpid()) + ".txt";
  std::ofstream(script) << command << "\n";
  setenv("CHANNELS_BACKEND", "headless", 1);
  setenv("CHANNELS_SCREEN", screen, 1);
  setenv("CHANNELS_SCRIPT", script.c_str(), 1);
  WNDCLASSA c = {};
  c.lpfnWndProc = Proc;
  c.lpszClassName = "DisplayChange";
  RegisterClassA(&c);
  window = CreateWindowExA(0, "DisplayChange", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                           nullptr, nullptr, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  GetMessageA(&msg, nullptr, 0, 0);  // the script runs here
  unlink(script.c_str());
  return msg;
}

TEST(DisplayChange, LargerScreenKeepsWindowsAndRepaintsEverything) {
  HWND window;
  MSG next = ChangeMode("640x480x8p", "screen 800x600", window);
  ASSERT_EQ(g_heard.size(), 1u);
  EXPECT_EQ(g_heard[0].wParam, 8u) << "bits per pixel, kept when the command names none";
  EXPECT_EQ(g_heard[0].lParam, MAKELPARAM(800, 600));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  RECT r;
  GetWindowRect(GetDesktopWindow(), &r);
  EXPECT_EQ(r.right, 800);
  EXPECT_EQ(r.bottom, 600);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 800);
  EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  ReleaseDC(window, dc);
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right, 640) << "the window keeps its rectangle";
  EXPECT_EQ(next.message, static_cast<UINT>(WM_PAINT));
  EXPECT_EQ(next.hwnd, window);
  ASSERT_TRUE(GetUpdateRect(window, &r, FALSE));
  EXPECT_EQ(r.right, 640);
  EXPECT_EQ(r.bottom, 480);
  const win32::Screen& screen = win32::CurrentScreen();
  EXPECT_EQ(screen.pixels().size(), 800u * 600u);
  EXPECT_EQ(screen.pixels()[599 * 800 + 799], 0u) << "the desktop is black";
}

TEST(DisplayChange, NewDepth) {
  HWND window;
  ChangeMode("640x480x8p", "screen 640x480x16", window);
  ASSERT_EQ(g_heard.size(), 1u);
  EXPECT_EQ(g_heard[0].wParam, 16u);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 16);
  EXPECT_FALSE(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  ReleaseDC(window, dc);
  EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE)) << "repainted even at the same size";
}

}  // namespace
