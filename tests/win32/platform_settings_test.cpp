// Parsing of the platform's settings and of the drive map.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/drives.h"
#include "platform/settings.h"

namespace {

TEST(PlatformSettings, ScreenModes) {
  struct Case {
    const char* text;
    bool valid;
    int width, height, bits, planes;
    bool palette;
  };
  const Case cases[] = {
      {"640x480x8p", true, 640, 480, 8, 1, true},   {"800x600x16", true, 800, 600, 16, 1, false},
      {"640x480x1x4", true, 640, 480, 1, 4, false}, {"640x480x8x2p", true, 640, 480, 8, 2, true},
      {"640x480", false, 0, 0, 0, 0, false},        {"0x480x8", false, 0, 0, 0, 0, false},
      {"640x480x33", false, 0, 0, 0, 0, false},     {"640x480x8q", false, 0, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    auto mode = win32::ParseScreenMode(c.text);
    ASSERT_EQ(mode.has_value(), c.valid) << c.text;
    if (!mode) continue;
    EXPECT_EQ(mode->width, c.width) << c.text;
    EXPECT_EQ(mode->height, c.height) << c.text;
    EXPECT_EQ(mode->bitsPerPixel, c.bits) << c.text;
    EXPECT_EQ(mode->planes, c.planes) << c.text;
    EXPECT_EQ(mode->palette, c.palette) << c.text;
  }
}

TEST(PlatformSettings, WindowsVersions) {
  unsigned major = 0, minor = 0;
  EXPECT_TRUE(win32::ParseWindowsVersion("3.51", major, minor));
  EXPECT_EQ(major, 3u);
  EXPECT_EQ(minor, 51u);
  EXPECT_TRUE(win32::ParseWindowsVersion("4.10", major, minor));
  EXPECT_EQ(minor, 10u);
  EXPECT_FALSE(win32::ParseWindowsVersion("4", major, minor));
  EXPECT_FALSE(win32::ParseWindowsVersion("4.256", major, minor));
}

TEST(DriveMap, MapsDosPathsCaseInsensitively) {
  char dir[] = "/tmp/channels-drives-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string disc = std::string(dir) + "/disc";
  std::filesystem::create_directories(disc + "/data");
  std::ofstream(disc + "/data/zova1a.smk") << "x";

  auto map = win32::DriveMap::Parse("E:=" + disc + "/;bad;Q=/x");
  EXPECT_EQ(map.ToHost("E:\\DATA\\ZOVA1A.SMK"), disc + "/data/zova1a.smk");
  EXPECT_EQ(map.ToHost("e:/Data/Missing\\File.SMK"), disc + "/data/Missing/File.SMK");
  EXPECT_EQ(map.ToHost("E:\\"), disc + "/");
  EXPECT_EQ(map.ToHost("C:\\"), "/");
  EXPECT_EQ(map.ToHost("D:\\DATA"), std::nullopt);
  EXPECT_EQ(map.ToHost("\\DATA"), std::nullopt);
  EXPECT_EQ(map.ToDos(disc + "/data/zova1a.smk"), "E:\\data\\zova1a.smk");
  EXPECT_EQ(map.ToDos("/usr/bin/channels"), "C:\\usr\\bin\\channels");
  std::filesystem::remove_all(dir);
}

}  // namespace
