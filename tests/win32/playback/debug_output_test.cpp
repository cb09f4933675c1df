// Debug output: event lines go to the log, one a line; anything else is dropped.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "playback_test.h"
#include "win32_api.h"

namespace {

std::string LogText() {
  std::ifstream in(TestLogPath());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DebugOutput, OnlyWellFormedEventLinesReachTheLog) {
  std::string before = LogText();
  testing::internal::CaptureStderr();
  OutputDebugStringA("decoder: frame 3 late\n");  // not an event
  OutputDebugStringA(R"({"ev":"frame","index":3,"rects":[[1,2,3,4]],"t":200000})"
                     "\n");  // newline dropped
  OutputDebugStringA(R"({"ev":"movie","op":"open","path":"E:\\DATA\\A.SMK","ok":true})");
  OutputDebugStringA(R"({"ev":"frame","index":)");  // cut short
  OutputDebugStringA("{\"ev\":\"x\",\n\"y\":1}");   // two lines
  OutputDebugStringA(R"({"ev":"x"} {"ev":"y"})");   // two objects
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(LogText().substr(before.size()),
            R"({"ev":"frame","index":3,"rects":[[1,2,3,4]],"t":200000})"
            "\n"
            R"({"ev":"movie","op":"open","path":"E:\\DATA\\A.SMK","ok":true})"
            "\n");
}

TEST(DebugOutput, EventTextIsConvertedFromTheAnsiCodePage) {
  std::string before = LogText();
  OutputDebugStringA(
      "{\"ev\":\"movie\",\"op\":\"open\",\"path\":\"\xC9:\\\\\x80.SMK\",\"ok\":false}");
  EXPECT_EQ(LogText().substr(before.size()),
            "{\"ev\":\"movie\",\"op\":\"open\",\"path\":\"\u00C9:\\\\\u20AC.SMK\",\"ok\":false}\n");
}

}  // namespace
