// Message box text wrapping and placement, measured with one unit per character.
#include "user/message_box_layout.h"

#include <gtest/gtest.h>

namespace {

int Chars(const std::string& s) { return static_cast<int>(s.size()); }

using Lines = std::vector<std::string>;

TEST(MessageBoxLayout, WrapsAsWindowsDoes) {
  struct Case {
    const char* text;
    int width;
    Lines lines;
  };
  const Case cases[] = {
      {"one two three", 7, {"one two", "three"}},
      {"one two three", 100, {"one two three"}},
      // The spaces at a break go; two spaces inside a line stay.
      {"from.  Please insert", 6, {"from.", "Please", "insert"}},
      {"from.  Please", 20, {"from.  Please"}},
      // Line feeds break, empty lines and leading spaces stay.
      {"a \n\n \n \ngain.", 10, {"a", "", "", "", "gain."}},
      {"x\n  indented", 20, {"x", "  indented"}},
      {"line\r\nnext", 20, {"line", "next"}},
      // A word wider than the line is cut between characters.
      {"abcdefghij k", 4, {"abcd", "efgh", "ij k"}},
      {"", 10, {""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(win32::WrapText(c.text, c.width, Chars), c.lines) << c.text;
  }
}

TEST(MessageBoxLayout, CentredWithTheButtonBelowTheText) {
  win32::MessageBoxLayout box =
      win32::LayoutMessageBox("Caption", "short", true, 640, 480, Chars, Chars, 13);
  int w = box.window.right - box.window.left;
  int h = box.window.bottom - box.window.top;
  EXPECT_EQ(box.window.left, (640 - w) / 2);
  EXPECT_EQ(box.window.top, (480 - h) / 2);
  EXPECT_EQ(box.button.right - box.button.left, win32::kButtonWidth);
  EXPECT_EQ(box.button.left, (w - win32::kButtonWidth) / 2);
  EXPECT_GE(box.button.top, box.icon.bottom);
  EXPECT_GE(box.button.top, box.text.bottom);
  EXPECT_GT(box.text.left, box.icon.right);

  win32::MessageBoxLayout plain =
      win32::LayoutMessageBox("Caption", "short", false, 640, 480, Chars, Chars, 13);
  EXPECT_EQ(plain.icon.right - plain.icon.left, 0);
  EXPECT_LT(plain.text.left, box.text.left);
}

}  // namespace
