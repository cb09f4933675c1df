// The headless script while the program waits: `wait` lets program time pass (stopping at
// each time the program waits for), `until frame` lets the movie play up to a frame.
#include <gtest/gtest.h>

#include "backend/headless/headless_backend.h"
#include "platform/program_clock.h"
#include "user/input.h"

namespace {

constexpr int64_t kMs = win32::kClockTicksPerMs;

win32::HeadlessBackend WithScript(const char* text) {
  std::string error;
  std::optional<win32::Script> script = win32::Script::Parse(text, error);
  EXPECT_TRUE(script) << error;
  return win32::HeadlessBackend(std::move(*script));
}

void TakeAllInput() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(ScriptWait, TimersFallingDueDuringAWaitFireAtTheirOwnTimes) {
  win32::HeadlessBackend backend = WithScript("wait 100\nkey Return\n");
  int64_t start = win32::ClockNow();
  // The program waits for frames every 40 ms: two fall within the wait.
  EXPECT_FALSE(backend.WaitUntil(start + 40 * kMs));
  EXPECT_EQ(win32::ClockNow(), start + 40 * kMs);
  EXPECT_FALSE(backend.WaitUntil(start + 80 * kMs));
  EXPECT_EQ(win32::ClockNow(), start + 80 * kMs);
  // The third is due after the wait ends: the script goes on first.
  EXPECT_TRUE(backend.WaitUntil(start + 120 * kMs));
  EXPECT_EQ(win32::ClockNow(), start + 100 * kMs);
  EXPECT_TRUE(win32::InputPending());
  TakeAllInput();
}

TEST(ScriptWait, UntilFrameLetsTheMovieRunUpToThatFrame) {
  win32::HeadlessBackend backend = WithScript("until frame 2\nkey Return\n");
  backend.NoteEvent(R"({"ev":"frame","index":5,"rects":[],"t":0})");  // an earlier movie
  backend.NoteEvent(R"({"ev":"movie","op":"open","path":"E:\\A.SMK","ok":true})");
  int64_t due = win32::ClockNow();
  for (int frame = 0; frame <= 2; ++frame) {
    due += 66 * kMs;
    EXPECT_FALSE(backend.WaitUntil(due)) << frame;
    EXPECT_EQ(win32::ClockNow(), due);
    backend.NoteEvent(R"({"ev":"frame","index":)" + std::to_string(frame) +
                      R"(,"rects":[[0,0,8,8]],"t":1})");
  }
  EXPECT_TRUE(backend.WaitUntil(due + 66 * kMs));
  EXPECT_EQ(win32::ClockNow(), due);
  TakeAllInput();
}

TEST(ScriptWait, UntilFrameWithNoMoviePlayingGoesOn) {
  win32::HeadlessBackend backend = WithScript("until frame 3\nkey Return\n");
  testing::internal::CaptureStderr();
  EXPECT_TRUE(backend.WaitUntil(std::nullopt));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no movie is playing"), std::string::npos);
  TakeAllInput();
}

TEST(ScriptWait, AUsedUpScriptLetsTimedWaitsPass) {
  win32::HeadlessBackend backend = WithScript("");
  int64_t due = win32::ClockNow() + 250 * kMs;
  EXPECT_FALSE(backend.WaitUntil(due));
  EXPECT_EQ(win32::ClockNow(), due);
  EXPECT_EXIT(backend.WaitUntil(std::nullopt), testing::ExitedWithCode(2), "");
}

}  // namespace
