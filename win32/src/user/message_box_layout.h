// Where everything of a message box goes: the frame, the caption, the icon, the text
// wrapped into lines the way Windows wraps it, and the OK button.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32_api.h"

namespace win32 {

// Width in pixels of a text on one line.
using MeasureText = std::function<int(const std::string&)>;

// Breaks a text into lines no wider than `maxWidth`: at line feeds, and between words where
// a line would grow too wide (the spaces at such a break are dropped); a word wider than a
// whole line is split between characters. Spaces elsewhere, leading ones included, stay.
std::vector<std::string> WrapText(const std::string& text, int maxWidth, const MeasureText& width);

struct MessageBoxLayout {
  RECT window{};   // screen coordinates; the rest is relative to the window
  RECT caption{};  // the title bar
  RECT icon{};     // empty when the box shows no icon
  RECT text{};
  std::vector<std::string> lines;
  RECT button{};
};

constexpr int kFrame = 3;
constexpr int kCaptionHeight = 18;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// A box centred on a screen of the given size.
MessageBoxLayout LayoutMessageBox(const std::string& caption, const std::string& text, bool icon,
                                  int screenWidth, int screenHeight, const MeasureText& width,
                                  const MeasureText& captionWidth, int lineHeight);

}  // namespace win32
