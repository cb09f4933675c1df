// The texts of the string table, read as the system reads them (LoadString into 255 bytes).
#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "win32_api.h"

namespace {

struct CatalogueText {
  UINT id;
  const char* text;  // in code page 1252; "\xAE" is the registered sign
  std::size_t length;
};

const CatalogueText kTexts[] = {
    {IDS_WINDOWS_TOO_OLD,
     "Corvale 2000 is unable to run with Windows versions previous to 4.0. You will need to "
     "upgrade "
     "your Windows to at least Version 4.0.",
     131},
    {IDS_VIDEO_WARNING, "Video Warning", 13},
    {IDS_NOT_256_COLORS,
     "You're not running in 256 colors.  Some animations in Corvale 2000\xAE won't display "
     "correctly.\nSee the Corvale 2000\xAE ReadMe file for more information on changing your "
     "display "
     "drivers.\n\nThis message will not appear a \n\n \n \ngain.",
     225},
    {IDS_NO_PALETTES,
     "Your video driver doesn't support palettes.  Some animations in Corvale 2000 for Windows "
     "won't "
     "display correctly.  See the Corvale 2000 ReadMe file for more information on changing your "
     "display drivers.",
     202},
    {AFX_IDS_APP_TITLE, "Corvale 2000", 12},
    {AFX_IDP_INTERNAL_FAILURE, "Internal application error.", 27},
    {AFX_IDP_COMMAND_FAILURE, "Command failed.", 15},
    {AFX_IDP_FAILED_MEMORY_ALLOC, "Insufficient memory to perform operation.", 41},
};

TEST(StringTable, EveryTextReadsBackExactlyWithItsLength) {
  for (const CatalogueText& expected : kTexts) {
    char buffer[255];
    const int length = LoadStringA(nullptr, expected.id, buffer, sizeof buffer);
    EXPECT_EQ(static_cast<std::size_t>(length), expected.length) << "string " << expected.id;
    EXPECT_EQ(std::string(buffer), expected.text) << "string " << expected.id;
  }
}

TEST(StringTable, CopiesWhatFitsAndAlwaysTerminates) {
  struct Case {
    UINT id;
    int bufferMax;
    int returned;
    const char* text;
  };
  const Case cases[] = {
      {IDS_VIDEO_WARNING, 14, 13, "Video Warning"},  // exactly enough room
      {IDS_VIDEO_WARNING, 13, 12, "Video Warnin"},   // one short: cut, still terminated
      {IDS_VIDEO_WARNING, 2, 1, "V"},
      {IDS_VIDEO_WARNING, 1, 0, ""},
      {IDS_NOT_256_COLORS, 60, 59, "You're not running in 256 colors.  Some animations in Corva"},
      {IDS_NO_PALETTES + 1, 255, 0, ""},        // empty slot of a block that exists
      {IDS_NO_PALETTES + 16 * 20, 255, 0, ""},  // no block at all
      {70000, 255, 0, ""},                      // beyond any resource number
  };
  for (const Case& c : cases) {
    char buffer[255] = "left over";
    EXPECT_EQ(LoadStringA(nullptr, c.id, buffer, c.bufferMax), c.returned)
        << c.id << " into " << c.bufferMax;
    EXPECT_STREQ(buffer, c.text) << c.id << " into " << c.bufferMax;
  }
}

TEST(StringTable, NoBufferGetsNothing) {
  char buffer[4] = "abc";
  EXPECT_EQ(LoadStringA(nullptr, IDS_VIDEO_WARNING, buffer, 0), 0);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(LoadStringA(nullptr, IDS_VIDEO_WARNING, nullptr, 255), 0);
}

}  // namespace
