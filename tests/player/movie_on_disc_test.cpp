// MovieOnDisc: the path it asks about, and that a path without a drive is never asked about.
// Such a path ("\\DATA\..." when GOODIES is missing or empty) would name a server called DATA
// on Windows, whose look-up can hold the panel for many seconds.
#include "player/movie_on_disc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/install_paths.h"

namespace {

const char* g_goodies = "";        // the resolved PATHS/GOODIES path
std::string g_present;             // the one path that exists
std::vector<std::string> g_asked;  // every file-status query, in order
int g_handle;

}  // namespace

// The test stands in for the subset's file search, to see each query the player makes.
HANDLE WINAPI FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA data) {
  g_asked.push_back(fileName);
  if (fileName != g_present) return INVALID_HANDLE_VALUE;
  *data = WIN32_FIND_DATAA{};
  data->dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
  return &g_handle;
}

BOOL WINAPI FindClose(HANDLE) { return TRUE; }

namespace {

TEST(MovieOnDisc, AsksOnlyAboutPathsOnADrive) {
  SetProfilePathResolver([](LPCTSTR, LPCTSTR) { return CString(g_goodies); });
  struct Case {
    const char* goodies;
    const char* present;
    int expected;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {"E:\\EXTRAS\\", "E:\\DATA\\ZOVA1A.SMK", 1, {"E:\\DATA\\ZOVA1A.SMK"}},
      {"E:\\EXTRAS\\", "E:\\DATA\\ZOVA1B.SMK", 0, {"E:\\DATA\\ZOVA1A.SMK"}},
      {"./X\\", "./\\DATA\\ZOVA1A.SMK", 1, {"./\\DATA\\ZOVA1A.SMK"}},  // no drive check as such
      {"\\", "\\\\DATA\\ZOVA1A.SMK", 0, {}},                           // GOODIES missing or empty
      {"\\\\SERVER\\SHARE\\", "\\\\\\DATA\\ZOVA1A.SMK", 0, {}},        // a network path
  };
  for (const Case& c : cases) {
    g_goodies = c.goodies;
    g_present = c.present;
    g_asked.clear();
    EXPECT_EQ(MovieOnDisc("ZOVA1A.SMK"), c.expected) << c.goodies;
    EXPECT_EQ(g_asked, c.asked) << c.goodies;
  }
}

}  // namespace
