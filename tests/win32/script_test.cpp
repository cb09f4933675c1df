// The headless input script.
#include "backend/headless/script.h"

#include <gtest/gtest.h>

namespace {

using Kind = win32::ScriptCommand::Kind;

TEST(Script, ReadsEveryCommand) {
  std::string error;
  auto script = win32::Script::Parse(
      "# a comment\n\ndown 1 2\nup 3 4\nclick 5 6\nrclick 7 8\nmclick 9 10\nkey Return\n"
      "altkey F4\nwait 250\nuntil frame 12\nuntil msgbox\nmsgbox ok\nscreenshot shot.png\r\n"
      "screen 800x600\n",
      error);
  ASSERT_TRUE(script) << error;
  const Kind expected[] = {
      Kind::kDown,     Kind::kUp,         Kind::kClick, Kind::kRightClick, Kind::kMiddleClick,
      Kind::kKey,      Kind::kAltKey,     Kind::kWait,  Kind::kUntilFrame, Kind::kUntilMsgbox,
      Kind::kMsgboxOk, Kind::kScreenshot, Kind::kScreen};
  for (Kind kind : expected) {
    ASSERT_FALSE(script->empty());
    EXPECT_EQ(script->front().kind, kind) << script->front().text;
    if (kind == Kind::kUp) {
      EXPECT_EQ(script->front().x, 3);
      EXPECT_EQ(script->front().y, 4);
    }
    if (kind == Kind::kUntilFrame) {
      EXPECT_EQ(script->front().number, 12);
    }
    if (kind == Kind::kScreenshot) {
      EXPECT_EQ(script->front().name, "shot.png");
    }
    script->pop();
  }
  EXPECT_TRUE(script->empty());
}

TEST(Script, NamesTheLineItCannotRead) {
  for (const char* bad : {"click 1\n", "wait -5\n", "msgbox cancel\n", "until 3\n", "jump 1 2\n",
                          "screen 800\n", "screen 0x600\n", "key\n", "click 1 2 3\n"}) {
    std::string error;
    EXPECT_FALSE(win32::Script::Parse(std::string("wait 1\n") + bad, error)) << bad;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
}

}  // namespace
