// Encode synthetic indexed clips, decode them with ffmpeg and compare with what went in.
#include <gtest/gtest.h>

#include <cmath>

#include "reference_decode.h"
#include "smk/enc/movie_encoder.h"
#include "smk/format.h"

using namespace smk::enc;
using smk::enc::test::ffmpeg_video;
using smk::enc::test::write_temp;
using smk::format::expand6;

namespace {

struct Clip {
  unsigned w, h, frames;
  std::vector<std::vector<uint8_t>> pictures;
  std::vector<Palette6> palettes;
};

// Moving shapes over a gradient: solid areas, two-colour edges, detailed areas, still parts.
// `palette_change` rotates a part of the palette every few frames, which exercises KEEP,
// COPY and LITERAL commands.
Clip make_clip(unsigned w, unsigned h, unsigned frames, bool palette_change, bool doubled_pixels) {
  Clip c{w, h, frames, {}, {}};
  Palette6 pal{};
  for (int i = 0; i < 256; ++i)
    pal[i] = {uint8_t(i % 64), uint8_t((i * 7) % 64), uint8_t((i / 4) % 64)};
  for (unsigned f = 0; f < frames; ++f) {
    std::vector<uint8_t> p(size_t(w) * h);
    for (unsigned y = 0; y < h; ++y)
      for (unsigned x = 0; x < w; ++x) {
        unsigned sx = doubled_pixels ? x / 2 : x, sy = doubled_pixels ? y / 2 : y;
        uint8_t v = uint8_t((sx / 8 + sy / 8) % 4 + 10);               // checker of 4 colours
        if (y < h / 4) v = uint8_t(100 + (sx * 3 + sy * 5 + f) % 50);  // busy band, changes
        int dx = int(x) - int((f * 5) % w), dy = int(y) - int(h / 2);
        if (dx * dx + dy * dy < 100) v = 200;                      // moving disc
        if (x > w - 8 && y > h - 8) v = uint8_t(f % 2 ? 30 : 31);  // blinking corner
        p[size_t(y) * w + x] = v;
      }
    if (palette_change && f % 3 == 2) {
      std::rotate(pal.begin() + 100, pal.begin() + 101, pal.begin() + 150);
      pal[255] = {uint8_t(f % 64), 63, 0};
    }
    c.pictures.push_back(std::move(p));
    c.palettes.push_back(pal);
  }
  return c;
}

// What a decoder shows: columns and rows beyond the 4x4 grid are never coded and keep index 0.
std::vector<uint8_t> to_rgb(const Clip& c, size_t f) {
  std::vector<uint8_t> out;
  for (size_t at = 0; at < c.pictures[f].size(); ++at) {
    const bool coded = at % c.w < c.w / 4 * 4 && at / c.w < c.h / 4 * 4;
    const Color6& col = c.palettes[f][coded ? c.pictures[f][at] : 0];
    out.insert(out.end(), {expand6(col.r), expand6(col.g), expand6(col.b)});
  }
  return out;
}

double psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  double se = 0;
  for (size_t i = 0; i < a.size(); ++i) se += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
  if (se == 0) return 99;
  return 10 * std::log10(255.0 * 255.0 * double(a.size()) / se);
}

struct Case {
  const char* name;
  unsigned w, h, frames;
  bool smk4, ring, palette_change, doubled_pixels;
  int quality;
  double min_psnr;  // 99 = exact
};

class VideoRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(VideoRoundTrip, FfmpegShowsThePictures) {
  const Case& k = GetParam();
  Clip clip = make_clip(k.w, k.h, k.frames, k.palette_change, k.doubled_pixels);
  MovieSettings s;
  s.width = k.w;
  s.height = k.h;
  s.frameRate = *frameRateCode(15);
  s.smk4 = k.smk4;
  s.ringFrame = k.ring;
  s.quality = k.quality;
  auto enc = MovieEncoder::create(s);
  ASSERT_TRUE(enc) << enc.error().describe();
  for (unsigned f = 0; f < k.frames; ++f)
    ASSERT_TRUE(enc->addFrame(clip.pictures[f], clip.palettes[f]));
  auto file = enc->finish();
  ASSERT_TRUE(file) << file.error().describe();
  const std::string path = write_temp(std::string(k.name) + ".smk", *file);

  auto d = ffmpeg_video(path);
  ASSERT_EQ(d.status, 0) << d.diagnostics;
  EXPECT_EQ(d.diagnostics, "");
  auto ours = smk::enc::test::smkdec_video(path);
  EXPECT_EQ(ours.status, 0) << ours.diagnostics;
  EXPECT_TRUE(ours.rgb == d.rgb) << "smkdec and ffmpeg differ";
  const size_t frame_bytes = size_t(k.w) * k.h * 3;
  const size_t expected = k.frames + (k.ring ? 1 : 0);
  ASSERT_EQ(d.rgb.size(), expected * frame_bytes);
  for (size_t f = 0; f < expected; ++f) {
    std::vector<uint8_t> got(d.rgb.begin() + f * frame_bytes,
                             d.rgb.begin() + (f + 1) * frame_bytes);
    std::vector<uint8_t> want = to_rgb(clip, f < k.frames ? f : 0);
    if (k.min_psnr >= 99)
      ASSERT_EQ(got, want) << "frame " << f;
    else
      EXPECT_GE(psnr(got, want), k.min_psnr) << "frame " << f;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clips, VideoRoundTrip,
    testing::Values(Case{"smk2_lossless", 64, 48, 12, false, false, false, false, 100, 99},
                    Case{"smk4_lossless_doubled", 64, 48, 12, true, false, false, true, 100, 99},
                    Case{"palette_changes_ring", 48, 32, 10, false, true, true, false, 100, 99},
                    Case{"odd_size", 70, 37, 4, true, false, false, false, 100, 99},
                    Case{"large", 800, 600, 3, true, false, false, false, 100, 99},
                    Case{"smk2_lossy", 64, 48, 12, false, false, false, false, 80, 30},
                    Case{"smk4_lossy", 64, 48, 12, true, false, true, true, 60, 24}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
