// Classic (not extended) dialog templates without controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "byte_writer.h"

namespace rcpack {

struct DialogFont {
  uint16_t pointSize;
  std::u16string face;
};

struct DialogTemplate {
  uint32_t style = 0;
  uint16_t x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::optional<DialogFont> font;
};

// Style, extended style 0, no controls, position and size, no menu, the standard dialog class,
// an empty caption, then the font; a font adds DS_SETFONT to the style.
Bytes buildDialog(const DialogTemplate& dialog);

}  // namespace rcpack
