#include "message_box_layout.h"

#include <algorithm>

namespace win32 {
namespace {

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

void WrapParagraph(const std::string& p, int maxWidth, const MeasureText& width,
                   std::vector<std::string>& lines) {
  std::string line;
  size_t i = 0;
  while (i < p.size()) {
    size_t wordEnd = p.find(' ', i);
    if (wordEnd == std::string::npos) wordEnd = p.size();
    size_t spacesEnd = p.find_first_not_of(' ', wordEnd);
    if (spacesEnd == std::string::npos) spacesEnd = p.size();
    std::string word = p.substr(i, wordEnd - i);
    if (!TrimRight(line).empty() && width(TrimRight(line + word)) > maxWidth) {
      lines.push_back(TrimRight(line));
      line.clear();
    }
    // A word wider than a whole line goes out in pieces that fit.
    while (line.empty() && word.size() > 1 && width(word) > maxWidth) {
      size_t fit = 1;
      while (fit < word.size() && width(word.substr(0, fit + 1)) <= maxWidth) ++fit;
      lines.push_back(word.substr(0, fit));
      word.erase(0, fit);
    }
    line += word + p.substr(wordEnd, spacesEnd - wordEnd);
    i = spacesEnd;
  }
  lines.push_back(TrimRight(line));
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int maxWidth, const MeasureText& width) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    size_t end = text.find('\n', start);
    std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
    WrapParagraph(paragraph, maxWidth, width, lines);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

MessageBoxLayout LayoutMessageBox(const std::string& caption, const std::string& text, bool icon,
                                  int screenWidth, int screenHeight, const MeasureText& width,
                                  const MeasureText& captionWidth, int lineHeight) {
  const int margin = 12;
  MessageBoxLayout box;
  // Wine wraps message texts at about 300 pixels on a 640-pixel screen, icon or not.
  int maxTextWidth = std::max(120, screenWidth * 15 / 32);
  box.lines = WrapText(text, maxTextWidth, width);
  int textWidth = 0;
  for (const std::string& line : box.lines) textWidth = std::max(textWidth, width(line));
  int textHeight = static_cast<int>(box.lines.size()) * lineHeight;

  int textLeft = kFrame + margin + (icon ? kIconSize + margin : 0);
  int contentTop = kFrame + kCaptionHeight + margin;
  int contentHeight = std::max(icon ? kIconSize : 0, textHeight);
  int w = std::max({textLeft + textWidth + margin + kFrame, kButtonWidth + 2 * margin + 2 * kFrame,
                    captionWidth(caption) + 2 * margin + 2 * kFrame});
  int h = contentTop + contentHeight + margin + kButtonHeight + margin + kFrame;

  int left = (screenWidth - w) / 2;
  int top = (screenHeight - h) / 2;
  box.window = RECT{left, top, left + w, top + h};
  box.caption = RECT{kFrame, kFrame, w - kFrame, kFrame + kCaptionHeight};
  if (icon) {
    box.icon =
        RECT{kFrame + margin, contentTop, kFrame + margin + kIconSize, contentTop + kIconSize};
  }
  // A text shorter than the icon is centred beside it.
  int textTop = contentTop + (contentHeight - textHeight) / 2;
  box.text = RECT{textLeft, textTop, textLeft + textWidth, textTop + textHeight};
  int buttonLeft = (w - kButtonWidth) / 2;
  int buttonTop = contentTop + contentHeight + margin;
  box.button = RECT{buttonLeft, buttonTop, buttonLeft + kButtonWidth, buttonTop + kButtonHeight};
  return box;
}

}  // namespace win32
