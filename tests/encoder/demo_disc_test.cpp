// The demo disc: mkdemo's movies decode cleanly in ffmpeg and in smkdec to the same frames
// and samples, and together cover the format's variants.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "base/little_endian.h"
#include "reference_decode.h"
#include "smk/format.h"

namespace fs = std::filesystem;
using namespace smk::enc::test;
using namespace smk::format;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

class DemoDisc : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("mkdemo-test-" + std::to_string(getpid()));
    const std::string cmd = std::string(MKDEMO_PATH) + " '" + dir_.string() + "' >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }
  static fs::path dir_;
};
fs::path DemoDisc::dir_;

TEST_F(DemoDisc, SettingsPointTheViewerAtTheDisc) {
  EXPECT_EQ(slurp(dir_ / "registry.reg"),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\r\n"
            "\"HOME\"=\"C:\\\\CORVALE\"\r\n\"GOODIES\"=\"E:\\\\GOODIES\"\r\n");
  EXPECT_EQ(slurp(dir_ / "drives.env"),
            "CHANNELS_DRIVES=E:=" + (dir_ / "disc").string() +
                "\nCHANNELS_REGISTRY=" + (dir_ / "registry.reg").string() + "\n");
}

TEST_F(DemoDisc, EveryMovieDecodesTheSameInFfmpegAndSmkdec) {
  std::set<std::string> seen;
  for (const char* n : {"1A", "1B", "2A", "2B", "3A", "3B", "4A", "4B"}) {
    SCOPED_TRACE(n);
    const fs::path path = dir_ / "disc" / "DATA" / (std::string("ZOVA") + n + ".SMK");
    const std::string bytes_s = slurp(path);
    const std::vector<uint8_t> b(bytes_s.begin(), bytes_s.end());
    ASSERT_GE(b.size(), kHeaderSize);

    // 5 to 15 seconds each.
    const int32_t rate = int32_t(base::readLe32(&b[kFrameRateOffset]));
    const double seconds =
        base::readLe32(&b[kFramesOffset]) * (rate > 0 ? rate / 1000.0 : -rate / 100000.0);
    EXPECT_GE(seconds, 5.0);
    EXPECT_LE(seconds, 15.0);
    seen.insert(std::string(b.begin(), b.begin() + 4));
    const uint32_t flags = base::readLe32(&b[kFlagsOffset]);
    if (flags & kFlagRingFrame) seen.insert("ring");
    if (flags & kFlagYInterlaced) seen.insert("y-interlaced");
    if (flags & kFlagYDoubled) seen.insert("y-doubled");
    if (base::readLe32(&b[kWidthOffset]) * base::readLe32(&b[kHeightOffset]) > 640u * 480)
      seen.insert("larger than 640x480");

    auto video = ffmpeg_video(path.string());
    EXPECT_EQ(video.status, 0);
    EXPECT_EQ(video.diagnostics, "");
    EXPECT_TRUE(smkdec_video(path.string()).rgb == video.rgb)
        << "smkdec and ffmpeg pictures differ";

    const uint32_t audio = base::readLe32(&b[audioRateOffset(0)]);
    ASSERT_NE(audio & kAudioRateMask, 0u) << "movie without sound";
    const uint32_t audioFlags = audio >> kAudioFlagsShift;
    const bool is16 = audioFlags & kAudio16Bit;
    seen.insert(std::string(is16 ? "16-bit " : "8-bit ") +
                (audioFlags & kAudioStereo ? "stereo" : "mono"));
    auto sound = ffmpeg_audio(path.string(), 0, is16);
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.diagnostics, "");
    EXPECT_GT(sound.rgb.size(), 0u);
    EXPECT_TRUE(smkdec_audio(path.string(), 0).rgb == sound.rgb)
        << "smkdec and ffmpeg samples differ";
  }
  EXPECT_EQ(seen, (std::set<std::string>{"SMK2", "SMK4", "ring", "y-interlaced", "y-doubled",
                                         "larger than 640x480", "8-bit mono", "8-bit stereo",
                                         "16-bit mono", "16-bit stereo"}));
}

}  // namespace
