// Dialog templates as resources hold them (the classic DLGTEMPLATE layout).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "win32_api.h"

namespace win32 {

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  int controls = 0;
  int x = 0;  // dialog units
  int y = 0;
  int cx = 0;
  int cy = 0;
  std::string title;
  int pointSize = 0;  // with DS_SETFONT
  std::string face;
};

// Nothing when the bytes are not a whole classic template (extended ones included).
std::optional<DialogTemplate> ParseDialogTemplate(const void* data, size_t size);

// The template's rectangle in pixels, from the dialog base units of its font: 7 by 13
// pixels for 8-point "MS Sans Serif", as on Windows at 96 dots per inch.
RECT DialogRectInPixels(const DialogTemplate& t);

}  // namespace win32
