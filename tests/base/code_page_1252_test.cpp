#include "base/code_page_1252.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Mapping {
  uint8_t byte;
  char16_t character;
};

// Both ends of each range, every byte of 0x80-0x9F that differs from Latin-1 in an interesting
// way, and the five bytes the code page leaves undefined (C1 controls, as Windows maps them).
constexpr Mapping kMappings[] = {
    {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F},                                  // ASCII
    {0x80, 0x20AC},                                                                  // euro sign
    {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},  // undefined
    {0x82, 0x201A}, {0x83, 0x0192}, {0x8A, 0x0160}, {0x8C, 0x0152}, {0x8E, 0x017D},
    {0x91, 0x2018}, {0x96, 0x2013}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9F, 0x0178},
    {0xA0, 0x00A0}, {0xAE, 0x00AE}, {0xE9, 0x00E9}, {0xFF, 0x00FF},  // Latin-1
};

TEST(CodePage1252, MapsBytesBothWays) {
  for (const Mapping& m : kMappings) {
    EXPECT_EQ(base::fromCodePage1252(m.byte), m.character) << int{m.byte};
    EXPECT_EQ(base::toCodePage1252(m.character), m.byte) << int{m.byte};
  }
}

TEST(CodePage1252, EveryByteSurvivesARoundTrip) {
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(base::toCodePage1252(base::fromCodePage1252(static_cast<uint8_t>(b))), b) << b;
}

TEST(CodePage1252, CharactersOutsideTheCodePageHaveNoByte) {
  // Latin-1's own controls at 0x80 and 0x9F are taken by other characters in this code page.
  for (char32_t c :
       {U'\u0080', U'\u009F', U'\u0100', U'\u0141', U'\u20AD', U'\uFFFD', U'\U0001F600'})
    EXPECT_EQ(base::toCodePage1252(c), std::nullopt) << static_cast<uint32_t>(c);
}

TEST(CodePage1252, TextToUtf8) {
  EXPECT_EQ(base::codePage1252ToUtf8(""), "");
  EXPECT_EQ(base::codePage1252ToUtf8("Disc\x80 \xAE\x81!"), "Disc\u20AC \u00AE\u0081!");
  EXPECT_EQ(base::codePage1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(base::codePage1252ToUtf8("\x7F\xFF\x99"), "\x7F\u00FF\u2122");
}

}  // namespace
