// Sound tracks in every format come back from ffmpeg sample for sample.
#include <gtest/gtest.h>

#include <cmath>

#include "base/little_endian.h"
#include "reference_decode.h"
#include "smk/enc/movie_encoder.h"

using namespace smk::enc;
using smk::enc::test::ffmpeg_audio;
using smk::enc::test::write_temp;

namespace {

// A chirp with some noise, so that the differences take many values.
std::vector<uint8_t> make_pcm(const AudioFormat& f, double seconds) {
  std::vector<uint8_t> out;
  const size_t n = size_t(seconds * f.rate);
  uint32_t noise = 12345;
  for (size_t i = 0; i < n; ++i)
    for (unsigned c = 0; c < f.channels; ++c) {
      noise = noise * 1103515245 + 12345;
      double t = double(i) / f.rate;
      double v = 0.6 * std::sin(2 * M_PI * (300 + 400 * t + 100 * c) * t) +
                 0.05 * ((noise >> 16) % 200 - 100) / 100.0;
      if (f.bits == 8) {
        out.push_back(uint8_t(std::lround(128 + 127 * v)));
      } else {
        int16_t s = int16_t(std::lround(32767 * v));
        base::appendLe16(out, uint16_t(s));
      }
    }
  return out;
}

TEST(AudioRoundTrip, EveryFormatPackedAndRaw) {
  for (bool packed : {true, false})
    for (unsigned bits : {8u, 16u})
      for (unsigned channels : {1u, 2u}) {
        SCOPED_TRACE(testing::Message()
                     << (packed ? "packed " : "raw ") << bits << "-bit " << channels << " ch");
        AudioFormat f{channels == 2 ? 22050u : 11025u, channels, bits, packed};
        MovieSettings s;
        s.width = 16;
        s.height = 16;
        s.frameRate = *frameRateCode(10);
        auto enc = MovieEncoder::create(s);
        ASSERT_TRUE(enc) << enc.error().describe();
        std::vector<uint8_t> picture(256, 1);
        Palette6 pal{};
        pal[1] = {63, 0, 0};
        for (int i = 0; i < 20; ++i) ASSERT_TRUE(enc->addFrame(picture, pal));  // 2 seconds
        const std::vector<uint8_t> pcm = make_pcm(f, 2.0);
        ASSERT_TRUE(enc->addAudio(f, pcm));
        auto file = enc->finish();
        ASSERT_TRUE(file) << file.error().describe();
        const std::string path = write_temp("audio.smk", *file);
        auto d = ffmpeg_audio(path, 0, bits == 16);
        ASSERT_EQ(d.status, 0) << d.diagnostics;
        // ffmpeg reads the first 4 bytes of raw 8-bit chunks as a size for its time
        // stamps and complains about them; the samples are still all delivered.
        if (packed || bits == 16) {
          EXPECT_EQ(d.diagnostics, "");
        }
        EXPECT_EQ(d.rgb, pcm);
        EXPECT_EQ(smk::enc::test::smkdec_audio(path, 0).rgb, pcm);
      }
}

TEST(AudioRoundTrip, TwoTracksAndSoundLongerThanThePictures) {
  MovieSettings s;
  s.width = 8;
  s.height = 8;
  s.frameRate = 100;
  auto enc = MovieEncoder::create(s);
  ASSERT_TRUE(enc) << enc.error().describe();
  std::vector<uint8_t> picture(64, 0);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(enc->addFrame(picture, Palette6{}));
  AudioFormat a{11025, 1, 8, true}, b{22050, 2, 16, true};
  const std::vector<uint8_t> pa = make_pcm(a, 3.0), pb = make_pcm(b, 0.2);
  ASSERT_TRUE(enc->addAudio(a, pa));
  ASSERT_TRUE(enc->addAudio(b, pb));
  auto file = enc->finish();
  ASSERT_TRUE(file) << file.error().describe();
  const std::string path = write_temp("two_tracks.smk", *file);
  EXPECT_EQ(ffmpeg_audio(path, 0, false).rgb, pa);
  EXPECT_EQ(ffmpeg_audio(path, 1, true).rgb, pb);
  EXPECT_EQ(smk::enc::test::smkdec_audio(path, 0).rgb, pa);
  EXPECT_EQ(smk::enc::test::smkdec_audio(path, 1).rgb, pb);
}

}  // namespace
