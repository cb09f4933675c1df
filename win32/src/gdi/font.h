// The font of message boxes: DejaVu Sans (a sans-serif font like the system's), drawn with
// FreeType at the size of an 8-point dialog font, without smoothing, as Windows draws it.
#pragma once

#include <string>

#include "device_context.h"
#include "platform/screen.h"

namespace win32 {

class Font {
 public:
  static const Font& Regular();
  static const Font& Bold();
  ~Font();

  int LineHeight() const { return lineHeight_; }
  // Width in pixels of an ANSI text on one line.
  int Width(const std::string& ansi) const;
  // Draws an ANSI text with its top-left corner at (x, y) of the context.
  void Draw(const DeviceContext& dc, int x, int y, const std::string& ansi, Rgb color) const;

 private:
  explicit Font(const char* file);

  void* library_ = nullptr;  // FT_Library
  void* face_ = nullptr;     // FT_Face
  int lineHeight_ = 13;
  int ascent_ = 11;
};

}  // namespace win32
