#pragma once
// Turns RGB24 pictures into palette-indexed ones, frame by frame, deciding when the
// palette changes:
//  * a picture with few enough colours gets them exactly (6 bits per component); colours
//    that stay keep their palette entry, new ones take entries no longer used;
//  * otherwise the current palette is kept while it still fits the picture about as well as
//    it fitted the picture it was made for, and a new one is quantised at scene changes.
#include <cstdint>
#include <span>
#include <vector>

#include "smk/enc/palette.h"
#include "smk/error.h"

namespace smk::enc {

struct RgbConverterSettings {
  unsigned width = 0, height = 0;
  // Palette entries the movie may use: all 256, or 10..245 to leave the 20 static colours
  // of an 8-bit display alone.
  unsigned firstEntry = 0, entryCount = 256;
};

class RgbConverter {
 public:
  // Fails on an empty picture or a palette range outside 0..255.
  static Result<RgbConverter> create(const RgbConverterSettings& settings);

  // Converts one picture (width*height*3 bytes); the result stays valid until the next call.
  Status convert(std::span<const uint8_t> rgb);
  const std::vector<uint8_t>& indices() const { return indices_; }
  const Palette6& palette() const { return palette_; }
  bool exact() const { return exact_; }  // the last picture's colours are all in the palette

 private:
  explicit RgbConverter(const RgbConverterSettings& settings);
  void mapExact(const std::vector<uint32_t>& keys);
  void quantizeNew(const std::vector<uint32_t>& keys, const std::vector<uint32_t>& counts);
  double fitError(const std::vector<uint32_t>& keys, const std::vector<uint32_t>& counts);
  uint8_t nearest(uint32_t key);
  void setEntry(unsigned slot, Color6 c);

  RgbConverterSettings s_;
  Palette6 palette_{};
  std::vector<bool> used_;          // entries holding a colour of the movie
  std::vector<int16_t> slotOfKey_;  // exact entry of a colour, -1 if none
  std::vector<int16_t> nearest_;    // nearest entry of a colour for the current palette, -1 unknown
  std::vector<uint32_t> stamp_, count_;
  uint32_t frame_ = 0;
  double fittedError_ = 0;  // error of the quantised palette on its own picture
  bool havePalette_ = false;
  bool exact_ = false;
  std::vector<uint32_t> pixelKeys_;
  std::vector<uint8_t> indices_;
};

}  // namespace smk::enc
