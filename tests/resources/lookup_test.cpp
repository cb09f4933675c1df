// FindResource, LoadResource, LockResource and SizeofResource over the Linux table.
#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "win32/module_resources.h"
#include "win32_api.h"

namespace {

// "#" and the number: how a resource script names a resource by number in a string.
std::string numberString(int number) { return "#" + std::to_string(number); }

TEST(ResourceLookup, FindsByNumberOrNumberString) {
  HRSRC byNumber = FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_QUIT_PRESSED), RT_BITMAP);
  ASSERT_NE(byNumber, nullptr);
  EXPECT_EQ(FindResourceA(nullptr, numberString(IDB_QUIT_PRESSED).c_str(), RT_BITMAP), byNumber);
  EXPECT_EQ(FindResourceA(nullptr, numberString(IDB_QUIT_PRESSED).c_str(), "#2"), byNumber);
  // One module: any handle names it.
  EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(0x400000), MAKEINTRESOURCEA(IDB_QUIT_PRESSED),
                          RT_BITMAP),
            byNumber);
}

TEST(ResourceLookup, MissingResourcesAreNotFound) {
  struct Case {
    LPCSTR name, type;
  };
  const std::string wrapped = numberString(IDB_QUIT_PRESSED + 65536);  // must not wrap round
  const Case cases[] = {
      {MAKEINTRESOURCEA(IDB_QUIT_PRESSED - 1), RT_BITMAP},    // no such number
      {MAKEINTRESOURCEA(IDB_QUIT_PRESSED), RT_ICON},          // number of another type
      {MAKEINTRESOURCEA(IDD_REMOTE), MAKEINTRESOURCEA(240)},  // no dialog-initialisation data
      {MAKEINTRESOURCEA(0), RT_BITMAP},
      {"REMOTE", RT_BITMAP},  // named resources: there are none
      {"#", RT_BITMAP},
      {"#26x", RT_BITMAP},
      {wrapped.c_str(), RT_BITMAP},
  };
  for (const Case& c : cases) EXPECT_EQ(FindResourceA(nullptr, c.name, c.type), nullptr);
}

TEST(ResourceLookup, LoadedBytesAreTheTableEntryInPlace) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_REMOTE), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(nullptr, found);
  EXPECT_EQ(LockResource(loaded), loaded);
  EXPECT_EQ(SizeofResource(nullptr, found), 54u);
  bool inTable = false;
  const win32::ModuleResources& table = win32::g_moduleResources;
  for (std::size_t i = 0; i < table.count; ++i)
    inTable |= table.entries[i].data == loaded && table.entries[i].type == 5;
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
