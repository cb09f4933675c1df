// FindResource, LoadResource, LockResource and SizeofResource over the Linux table.
#include <gtest/gtest.h>

#include "embedded_resources.h"
#include "win32_api.h"

namespace {

TEST(ResourceLookup, FindsByNumberOrNumberString) {
  HRSRC byNumber = FindResourceA(nullptr, MAKEINTRESOURCEA(261), RT_BITMAP);
  ASSERT_NE(byNumber, nullptr);
  EXPECT_EQ(FindResourceA(nullptr, "#261", RT_BITMAP), byNumber);
  EXPECT_EQ(FindResourceA(nullptr, "#261", "#2"), byNumber);
  // One module: any handle names it.
  EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(0x400000), MAKEINTRESOURCEA(261), RT_BITMAP),
            byNumber);
}

TEST(ResourceLookup, MissingResourcesAreNotFound) {
  struct Case {
    LPCSTR name, type;
  };
  const Case cases[] = {
      {MAKEINTRESOURCEA(260), RT_BITMAP},                // no such number
      {MAKEINTRESOURCEA(261), RT_ICON},                  // number of another type
      {MAKEINTRESOURCEA(30722), MAKEINTRESOURCEA(240)},  // no dialog-initialisation data
      {MAKEINTRESOURCEA(0), RT_BITMAP},
      {"REMOTE", RT_BITMAP},  // named resources: there are none
      {"#", RT_BITMAP},
      {"#26x", RT_BITMAP},
      {"#65797", RT_BITMAP},  // 261 + 65536 must not wrap round
  };
  for (const Case& c : cases) EXPECT_EQ(FindResourceA(nullptr, c.name, c.type), nullptr);
}

TEST(ResourceLookup, LoadedBytesAreTheTableEntryInPlace) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(30722), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(nullptr, found);
  EXPECT_EQ(LockResource(loaded), loaded);
  EXPECT_EQ(SizeofResource(nullptr, found), 54u);
  bool inTable = false;
  for (std::size_t i = 0; i < g_embeddedResourceCount; ++i)
    inTable |= g_embeddedResources[i].data == loaded && g_embeddedResources[i].type == 5;
  EXPECT_TRUE(inTable);
}

TEST(ResourceLookup, ForeignHandlesLoadNothing) {
  int notAResource = 0;
  HRSRC foreign = reinterpret_cast<HRSRC>(&notAResource);
  EXPECT_EQ(LoadResource(nullptr, foreign), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, foreign), 0u);
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

}  // namespace
