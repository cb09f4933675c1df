#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

#include "base/code_page_1252.h"
#include "draw.h"
#include "palette.h"

namespace win32 {
namespace {

const char kFontFolder[] = "/usr/share/fonts/truetype/dejavu/";
const int kPixelSize = 11;  // 8 points at 96 dots per inch

}  // namespace

Font::Font(const char* file) {
  std::string path = std::string(kFontFolder) + file;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, path.c_str(), 0, &face) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) {
    std::fprintf(stderr, "channels: cannot load the font %s; message texts stay blank\n",
                 path.c_str());
    if (library) FT_Done_FreeType(library);
    return;
  }
  library_ = library;
  face_ = face;
  ascent_ = static_cast<int>(face->size->metrics.ascender >> 6);
  lineHeight_ = static_cast<int>(face->size->metrics.height >> 6);
}

Font::~Font() {
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

const Font& Font::Regular() {
  static const Font font("DejaVuSans.ttf");
  return font;
}

const Font& Font::Bold() {
  static const Font font("DejaVuSans-Bold.ttf");
  return font;
}

int Font::Width(const std::string& ansi) const {
  auto face = static_cast<FT_Face>(face_);
  if (!face) return static_cast<int>(ansi.size()) * 6;
  int width = 0;
  for (char c : ansi) {
    if (FT_Load_Char(face, base::fromCodePage1252(static_cast<uint8_t>(c)),
                     FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0) {
      width += static_cast<int>(face->glyph->advance.x >> 6);
    }
  }
  return width;
}

void Font::Draw(const DeviceContext& dc, int x, int y, const std::string& ansi, Rgb color) const {
  auto face = static_cast<FT_Face>(face_);
  if (!face) return;
  uint32_t device = DeviceColor(dc, color);
  int pen = x;
  for (char c : ansi) {
    if (FT_Load_Char(face, base::fromCodePage1252(static_cast<uint8_t>(c)),
                     FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
      continue;
    }
    const FT_GlyphSlot glyph = face->glyph;
    const FT_Bitmap& bitmap = glyph->bitmap;
    int left = pen + glyph->bitmap_left;
    int top = y + ascent_ - glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const unsigned char* bits = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
      for (unsigned col = 0; col < bitmap.width; ++col) {
        if (bits[col / 8] & (0x80 >> (col % 8))) {
          PutContextPixel(dc, left + static_cast<int>(col), top + static_cast<int>(row), device);
        }
      }
    }
    pen += static_cast<int>(glyph->advance.x >> 6);
  }
}

}  // namespace win32
