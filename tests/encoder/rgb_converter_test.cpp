#include "smk/enc/rgb_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "smk/format.h"

using namespace smk::enc;
using smk::format::expand6;

namespace {

constexpr unsigned W = 32, H = 16;

std::vector<uint8_t> shown(const RgbConverter& c) {
  std::vector<uint8_t> out;
  for (uint8_t i : c.indices()) {
    const Color6 col = c.palette()[i];
    out.insert(out.end(), {expand6(col.r), expand6(col.g), expand6(col.b)});
  }
  return out;
}

// A picture with `n` distinct colours (6-bit exact) starting at colour number `first`.
std::vector<uint8_t> picture(unsigned first, unsigned n) {
  std::vector<uint8_t> rgb;
  for (unsigned p = 0; p < W * H; ++p) {
    const unsigned k = first + p % n;
    rgb.insert(rgb.end(), {expand6(uint8_t(k % 64)), expand6(uint8_t(k / 64 % 64)),
                           expand6(uint8_t(k / 7 % 64))});
  }
  return rgb;
}

TEST(RgbConverter, ExactWhenTheColoursFitAndKeepsEntriesOfLastingColours) {
  struct Case {
    unsigned firstEntry, count;
  } cases[] = {{0, 256}, {10, 236}};
  for (const auto& c : cases) {
    auto made = RgbConverter::create({W, H, c.firstEntry, c.count});
    ASSERT_TRUE(made) << made.error().describe();
    RgbConverter& conv = *made;
    std::map<uint32_t, uint8_t> entry_of;  // colour -> entry in the previous picture
    // Each picture drops some colours of the one before and brings new ones.
    for (unsigned f = 0; f < 4; ++f) {
      const auto rgb = picture(f * 40, c.count);
      ASSERT_TRUE(conv.convert(rgb));
      EXPECT_TRUE(conv.exact());
      EXPECT_EQ(shown(conv), rgb) << "picture " << f;
      std::map<uint32_t, uint8_t> now;
      for (size_t p = 0; p < W * H; ++p) {
        const uint32_t key = uint32_t(rgb[3 * p]) << 16 | rgb[3 * p + 1] << 8 | rgb[3 * p + 2];
        const uint8_t e = conv.indices()[p];
        EXPECT_GE(e, c.firstEntry);
        EXPECT_LT(e, c.firstEntry + c.count);
        if (entry_of.count(key)) {
          EXPECT_EQ(entry_of[key], e) << "a lasting colour moved";
        }
        now[key] = e;
      }
      entry_of = now;
    }
  }
}

double psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  double se = 0;
  for (size_t i = 0; i < a.size(); ++i) se += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
  return 10 * std::log10(255.0 * 255.0 * double(a.size()) / se);
}

// A picture with far more than 256 colours: a gradient, shifted a little per frame, in one
// of two colour schemes.
std::vector<uint8_t> rich(unsigned w, unsigned h, int scheme, unsigned shift) {
  std::vector<uint8_t> rgb;
  for (unsigned y = 0; y < h; ++y)
    for (unsigned x = 0; x < w; ++x) {
      const uint8_t a = uint8_t(x + 64 + shift), b = uint8_t(y * 2), c = uint8_t(255 - x - y / 2);
      if (scheme == 0)
        rgb.insert(rgb.end(), {a, b, c});
      else
        rgb.insert(rgb.end(), {c, uint8_t(c / 2), a});
    }
  return rgb;
}

TEST(RgbConverter, QuantisesRichPicturesWithANewPalettePerScene) {
  constexpr unsigned w = 128, h = 128;
  auto made = RgbConverter::create({w, h, 0, 256});
  ASSERT_TRUE(made) << made.error().describe();
  RgbConverter& conv = *made;
  Palette6 last{};
  const struct {
    int scheme;
    bool new_palette;
  } frames[] = {{0, true}, {0, false}, {0, false}, {1, true}, {1, false}};
  for (unsigned f = 0; f < std::size(frames); ++f) {
    const auto rgb = rich(w, h, frames[f].scheme, f);
    ASSERT_TRUE(conv.convert(rgb));
    EXPECT_FALSE(conv.exact());
    EXPECT_GT(psnr(rgb, shown(conv)), 30.0) << "frame " << f;
    EXPECT_EQ(conv.palette() != last, frames[f].new_palette) << "frame " << f;
    last = conv.palette();
  }
}

}  // namespace
