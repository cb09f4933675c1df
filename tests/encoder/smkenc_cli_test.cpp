// smkenc end to end: PNG sequences and raw frames in, WAV sound, options, and errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/little_endian.h"
#include "reference_decode.h"
#include "smk/enc/palette.h"
#include "smk/format.h"
#include "wav_reader.h"

namespace fs = std::filesystem;
using namespace smk::enc::test;

namespace {

int sh(const std::string& cmd) { return WEXITSTATUS(std::system(("set -e; " + cmd).c_str())); }

std::vector<uint8_t> slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

class SmkencCli : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("smkenc-cli-" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string at(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(SmkencCli, PngSequenceWithSoundIsKeptExactly) {
  // At most 256 colours per picture (3-3-2 bits), numbered from 1.
  ASSERT_EQ(sh("ffmpeg -nostdin -v error -f lavfi -i testsrc=size=64x48:rate=5 -frames:v 6 -vf "
               "format=rgb8,format=rgb24 "
               "-start_number 1 '" +
               at("f%03d.png") + "'"),
            0);
  ASSERT_EQ(sh("ffmpeg -nostdin -v error -f lavfi -i "
               "sine=frequency=500:sample_rate=11025:duration=1.2 -ac 2 -c:a pcm_u8 '" +
               at("s.wav") + "'"),
            0);
  ASSERT_EQ(sh(std::string(SMKENC_PATH) + " -q 100 --smk4 -r 5 --png '" + at("f%03d.png") +
               "' -a '" + at("s.wav") + "' '" + at("out.smk") + "' 2>/dev/null"),
            0);

  // What went in, with colours at the palette's 6 bits per component.
  auto want = run_command("ffmpeg -nostdin -v error -start_number 1 -i '" + at("f%03d.png") +
                          "' -f rawvideo -pix_fmt rgb24 -")
                  .rgb;
  ASSERT_EQ(want.size(), 6u * 64 * 48 * 3);
  for (uint8_t& v : want) v = smk::format::expand6(smk::enc::nearest6(v));
  auto got = ffmpeg_video(at("out.smk"));
  EXPECT_EQ(got.diagnostics, "");
  ASSERT_EQ(got.rgb.size(), want.size());
  EXPECT_TRUE(got.rgb == want);
  EXPECT_TRUE(smkdec_video(at("out.smk")).rgb == want);

  // The sound comes back sample for sample.
  const std::vector<uint8_t> pcm = smkenc::read_wav(at("s.wav")).pcm;
  ASSERT_EQ(pcm.size(), 2u * 13230);
  EXPECT_TRUE(ffmpeg_audio(at("out.smk"), 0, false).rgb == pcm);
  EXPECT_TRUE(smkdec_audio(at("out.smk"), 0).rgb == pcm);
}

TEST_F(SmkencCli, RawFramesResizedAndStoredAtHalfHeight) {
  ASSERT_EQ(
      sh("ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=160x120:rate=10 -frames:v 7 -f "
         "rawvideo -pix_fmt rgb24 - | " +
         std::string(SMKENC_PATH) + " -s 160x120 -r 10 --scale 80x64 --y-doubled --ring -q 70 '" +
         at("raw.smk") + "' 2>/dev/null"),
      0);
  const auto b = slurp(at("raw.smk"));
  using namespace smk::format;
  ASSERT_GE(b.size(), kHeaderSize);
  EXPECT_EQ(base::readLe32(&b[kWidthOffset]), 80u);
  EXPECT_EQ(base::readLe32(&b[kHeightOffset]), 32u);
  EXPECT_EQ(base::readLe32(&b[kFramesOffset]), 7u);
  EXPECT_EQ(base::readLe32(&b[kFlagsOffset]), kFlagRingFrame | kFlagYDoubled);
  EXPECT_EQ(int32_t(base::readLe32(&b[kFrameRateOffset])), 100);
  auto got = ffmpeg_video(at("raw.smk"));
  EXPECT_EQ(got.diagnostics, "");
  EXPECT_EQ(got.rgb.size(), 8u * 80 * 32 * 3);
  EXPECT_TRUE(smkdec_video(at("raw.smk")).rgb == got.rgb);
}

TEST_F(SmkencCli, ErrorsAreReportedAndLeaveNoFile) {
  std::ofstream(at("bad.wav")) << "not a wav file";
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"", 2},                                           // no output
      {"out.smk", 2},                                    // no input
      {"-s 10x 'OUT'", 2},                               // bad size
      {"-s 16x16 -q 101 'OUT'", 2},                      // quality out of range
      {"-s 16x16 --bogus 'OUT'", 2},                     // unknown option
      {"--png '" + at("none%03d.png") + "' 'OUT'", 1},   // no pictures
      {"-s 16x16 -a '" + at("bad.wav") + "' 'OUT'", 1},  // unreadable sound
      {"-s 16x16 'OUT' < /dev/null", 1},                 // empty input
  };
  for (auto& c : cases) {
    std::string args = c.args;
    if (auto p = args.find("OUT"); p != std::string::npos) args.replace(p, 3, at("err.smk"));
    EXPECT_EQ(sh(std::string(SMKENC_PATH) + " " + args + " 2>/dev/null </dev/null"), c.status)
        << c.args;
    EXPECT_FALSE(fs::exists(at("err.smk"))) << c.args;
  }
}

}  // namespace
