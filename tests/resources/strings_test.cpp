// The texts of the string table, read as the system reads them (LoadString into 255 bytes).
#include <gtest/gtest.h>

#include <string>

#include "win32_api.h"

namespace {

struct CatalogueText {
  UINT id;
  const char* text;  // in code page 1252; "\xAE" is the registered sign
  std::size_t length;
};

const CatalogueText kTexts[] = {
    {238,
     "Corvale 2000 is unable to run with Windows versions previous to 4.0. You will need to "
     "upgrade "
     "your Windows to at least Version 4.0.",
     131},
    {828, "Video Warning", 13},
    {829,
     "You're not running in 256 colors.  Some animations in Corvale 2000\xAE won't display "
     "correctly.\nSee the Corvale 2000\xAE ReadMe file for more information on changing your "
     "display "
     "drivers.\n\nThis message will not appear a \n\n \n \ngain.",
     225},
    {830,
     "Your video driver doesn't support palettes.  Some animations in Corvale 2000 for Windows "
     "won't "
     "display correctly.  See the Corvale 2000 ReadMe file for more information on changing your "
     "display drivers.",
     202},
    {57344, "Corvale 2000", 12},
    {61704, "Internal application error.", 27},
    {61705, "Command failed.", 15},
    {61706, "Insufficient memory to perform operation.", 41},
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
      {828, 14, 13, "Video Warning"},  // exactly enough room
      {828, 13, 12, "Video Warnin"},   // one short: cut, still terminated
      {828, 2, 1, "V"},
      {828, 1, 0, ""},
      {829, 60, 59, "You're not running in 256 colors.  Some animations in Corva"},
      {831, 255, 0, ""},    // empty slot of a block that exists
      {9999, 255, 0, ""},   // no block at all
      {70000, 255, 0, ""},  // beyond any resource number
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
  EXPECT_EQ(LoadStringA(nullptr, 828, buffer, 0), 0);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(LoadStringA(nullptr, 828, nullptr, 255), 0);
}

}  // namespace
