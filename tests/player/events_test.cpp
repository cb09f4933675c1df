// The event lines of the debug output.
#include "events.h"

#include <gtest/gtest.h>

#include <vector>

namespace vid {
namespace {

TEST(Events, Lines) {
  EXPECT_EQ(movieOpenEvent("E:\\DATA\\ZOVA3A.SMK", true),
            R"({"ev":"movie","op":"open","path":"E:\\DATA\\ZOVA3A.SMK","ok":true})");
  // Quotes and control characters escaped; 8-bit characters left for the log to convert.
  EXPECT_EQ(movieOpenEvent("a\"b\x01\xe9", false),
            "{\"ev\":\"movie\",\"op\":\"open\",\"path\":\"a\\\"b\\u0001\xe9\",\"ok\":false}");
  const std::vector<ScreenRect> rects = {{-1, 60, 642, 480}, {80, 70, 4, 8}};
  EXPECT_EQ(frameEvent(12, rects, 800000),
            R"({"ev":"frame","index":12,"rects":[[-1,60,642,480],[80,70,4,8]],"t":800000})");
  EXPECT_EQ(frameEvent(0, {}, 0), R"({"ev":"frame","index":0,"rects":[],"t":0})");
  EXPECT_EQ(movieCloseEvent(441000), R"({"ev":"movie","op":"close","samples":441000})");
}

}  // namespace
}  // namespace vid
