// The movie window's own reactions, in-process and headless: where a move leaves it, which
// input interrupts the movie, and what it answers to palette and destroy messages while no
// movie is open.
#include "player/movie_window.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace {

class MovieWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("CHANNELS_BACKEND", "headless", 1);
    unsetenv("CHANNELS_SCRIPT");
    unsetenv("CHANNELS_LOG");
    WNDCLASSA movieClass = {};
    movieClass.style = CS_NOCLOSE;
    movieClass.lpfnWndProc = MovieWndProc;
    movieClass.hInstance = GetModuleHandleA(nullptr);
    movieClass.lpszClassName = "KulvoMovie";
    ASSERT_NE(RegisterClassA(&movieClass), 0);
  }

  void SetUp() override {
    ASSERT_EQ(CreateMovieWindow(), 1);
    g_movieInterrupted = 0;
  }

  void TearDown() override {
    DestroyMovieWindow();
    QuitPosted();  // whatever the test left in the queue, the quit request included
  }

  // Empties the queue, dispatching what it holds (a pending repaint stays in the queue until
  // it is served); true when a quit request was in it.
  static bool QuitPosted() {
    bool quit = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        continue;
      }
      DispatchMessageA(&msg);
    }
    return quit;
  }
};

TEST_F(MovieWindow, CoversTheScreenAndTakesTheFocus) {
  RECT rect;
  GetWindowRect(g_hMovieWnd, &rect);
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, screen.right);
  EXPECT_EQ(rect.bottom, screen.bottom);
  EXPECT_EQ(GetFocus(), g_hMovieWnd);
  EXPECT_TRUE(GetUpdateRect(g_hMovieWnd, nullptr, FALSE));
}

TEST_F(MovieWindow, AMoveSnapsTheLeftEdgeToAMultipleOfFour) {
  const struct { int x, expected; } cases[] = {{5, 4}, {6, 4}, {7, 8}, {8, 8}, {0, 0}, {-3, -4}};
  for (const auto& c : cases) {
    SetWindowPos(g_hMovieWnd, nullptr, c.x, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT rect;
    GetWindowRect(g_hMovieWnd, &rect);
    EXPECT_EQ(rect.left, c.expected) << "moved to x = " << c.x;
    EXPECT_EQ(rect.top, 7) << "moved to x = " << c.x;
  }
}

TEST_F(MovieWindow, CharactersAndTheLeftButtonInterrupt) {
  const UINT interrupting[] = {WM_CHAR, WM_LBUTTONDOWN};
  for (UINT message : interrupting) {
    g_movieInterrupted = 0;
    EXPECT_EQ(SendMessageA(g_hMovieWnd, message, 'a', 0), 0);
    EXPECT_EQ(g_movieInterrupted, 1) << "message " << message;
    EXPECT_TRUE(QuitPosted()) << "message " << message;
  }
  const UINT ignored[] = {WM_KEYDOWN,     WM_SYSCHAR,     WM_SYSKEYDOWN,
                          WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONUP};
  g_movieInterrupted = 0;
  for (UINT message : ignored) {
    SendMessageA(g_hMovieWnd, message, VK_LEFT, 0);
    EXPECT_EQ(g_movieInterrupted, 0) << "message " << message;
    EXPECT_FALSE(QuitPosted()) << "message " << message;
  }
}

TEST_F(MovieWindow, WithoutABufferPaletteMessagesRealiseNothing) {
  ASSERT_EQ(g_movieBuf, nullptr);
  EXPECT_EQ(SendMessageA(g_hMovieWnd, WM_QUERYNEWPALETTE, 0, 0), 0);
  EXPECT_EQ(SendMessageA(g_hMovieWnd, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(g_hMovieWnd), 0),
            0);
  EXPECT_EQ(SendMessageA(g_hMovieWnd, WM_PALETTECHANGED, 0, 0), 0);
  EXPECT_EQ(SendMessageA(g_hMovieWnd, WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(MovieWindow, TheFirstPaintTurnsTheScreenBlackAndLeavesNothingToRepaint) {
  g_backdropDone = 0;
  SendMessageA(g_hMovieWnd, WM_PAINT, 0, 0);
  EXPECT_EQ(g_backdropDone, 1);
  EXPECT_FALSE(GetUpdateRect(g_hMovieWnd, nullptr, FALSE));
}

TEST_F(MovieWindow, DestroyingItPostsNoQuit) {
  EXPECT_NE(DestroyMovieWindow(), 0);
  EXPECT_FALSE(IsWindow(g_hMovieWnd));
  EXPECT_FALSE(QuitPosted());
  ASSERT_EQ(CreateMovieWindow(), 1);  // for TearDown
}

}  // namespace
