// Settings, pictures, sound and calls the writer cannot turn into a movie come back as error
// values with a kind and a part, and leave the encoder usable where that makes sense.
#include <gtest/gtest.h>

#include <functional>

#include "smk/enc/movie_encoder.h"
#include "smk/enc/rgb_converter.h"

using namespace smk;
using namespace smk::enc;

namespace {

MovieSettings small() {
  MovieSettings s;
  s.width = 8;
  s.height = 8;
  return s;
}

TEST(EncoderErrors, SettingsTheFormatCannotHold) {
  struct Case {
    const char* name;
    std::function<void(MovieSettings&)> change;
  } cases[] = {
      {"narrower than a block", [](MovieSettings& s) { s.width = 3; }},
      {"wider than the writer's bound", [](MovieSettings& s) { s.width = 32772; }},
      {"frame-rate code 0", [](MovieSettings& s) { s.frameRate = 0; }},
      {"frame-rate code too slow", [](MovieSettings& s) { s.frameRate = 21474837; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MovieSettings s = small();
    c.change(s);
    auto enc = MovieEncoder::create(s);
    ASSERT_FALSE(enc);
    EXPECT_EQ(enc.error().kind, ErrorKind::Invalid);
    EXPECT_EQ(enc.error().part, Part::Settings);
  }
  EXPECT_FALSE(frameRateCode(0));
  EXPECT_EQ(*frameRateCode(15), -6667);
  EXPECT_FALSE(RgbConverter::create({8, 8, 10, 247}));
  EXPECT_FALSE(RgbConverter::create({0, 8, 0, 256}));
}

TEST(EncoderErrors, BadInputIsRefusedAndTheMovieGoesOn) {
  auto enc = MovieEncoder::create(small());
  ASSERT_TRUE(enc) << enc.error().describe();
  const std::vector<uint8_t> picture(64, 1);

  Status wrongSize = enc->addFrame(std::vector<uint8_t>(63, 1), Palette6{});
  ASSERT_FALSE(wrongSize);
  EXPECT_EQ(wrongSize.error().part, Part::Video);
  EXPECT_EQ(wrongSize.error().frame, 0);

  Palette6 bright{};
  bright[1] = {64, 0, 0};
  Status badPalette = enc->addFrame(picture, bright);
  ASSERT_FALSE(badPalette);
  EXPECT_EQ(badPalette.error().part, Part::Palette);

  Status badAudio = enc->addAudio({22050, 1, 12, true}, std::vector<uint8_t>(100));
  ASSERT_FALSE(badAudio);
  EXPECT_EQ(badAudio.error().part, Part::Audio);
  EXPECT_FALSE(enc->addAudio({0, 1, 8, true}, std::vector<uint8_t>(100)));
  EXPECT_FALSE(enc->addAudio({22050, 2, 16, true}, std::vector<uint8_t>(3)));  // no whole sample

  for (int k = 0; k < 7; ++k) ASSERT_TRUE(enc->addAudio({11025, 1, 8, true}, {1, 2, 3, 4}));
  Status eighth = enc->addAudio({11025, 1, 8, true}, {1, 2, 3, 4});
  ASSERT_FALSE(eighth);
  EXPECT_EQ(eighth.error().kind, ErrorKind::TooLarge);
  EXPECT_EQ(eighth.error().track, 7);

  ASSERT_TRUE(enc->addFrame(picture, Palette6{}));
  auto file = enc->finish();
  ASSERT_TRUE(file) << file.error().describe();
  EXPECT_GT(file->size(), 0x68u);
}

TEST(EncoderErrors, CallsOutOfOrder) {
  auto empty = MovieEncoder::create(small());
  ASSERT_TRUE(empty);
  auto none = empty->finish();
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().part, Part::Movie);

  auto enc = MovieEncoder::create(small());
  ASSERT_TRUE(enc);
  ASSERT_TRUE(enc->addFrame(std::vector<uint8_t>(64, 0), Palette6{}));
  ASSERT_TRUE(enc->finish());
  EXPECT_FALSE(enc->finish());
  Status late = enc->addFrame(std::vector<uint8_t>(64, 0), Palette6{});
  ASSERT_FALSE(late);
  EXPECT_EQ(late.error().kind, ErrorKind::Invalid);
  // Writer errors have no place in a file: no offset in the description.
  EXPECT_EQ(late.error().describe(), "invalid movie: movie already finished");
}

}  // namespace
