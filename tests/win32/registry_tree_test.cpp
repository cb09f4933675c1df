// The registry file format: what it reads, what it writes, what it refuses.
#include "registry/registry_tree.h"

#include <gtest/gtest.h>

#include "win32_api.h"

namespace {

using win32::RegistryTree;

TEST(RegistryTree, ReadsAnExportAndWritesItBack) {
  const std::string text =
      "REGEDIT4\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Kulvo]\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000]\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n"
      "\"HOME\"=\"C:\\\\GAME \\\"1\\\"\"\n"
      "@=\"default\"\n"
      "\"Raw\"=hex:01,02,ff\n"
      "\"Odd\"=hex(7):41,00,00\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\Windows]\n"
      "\"Last Color Depth\"=dword:00000010\n";
  std::string error;
  auto tree = RegistryTree::Parse(text, error);
  ASSERT_TRUE(tree) << error;
  const win32::RegistryKey* paths =
      tree->Find("hkey_current_user\\software\\kulvo\\corvale 2000\\paths");
  ASSERT_NE(paths, nullptr);
  ASSERT_NE(paths->Find("home"), nullptr);
  EXPECT_EQ(paths->Find("HOME")->type, static_cast<uint32_t>(REG_SZ));
  EXPECT_EQ(paths->Find("HOME")->data, std::string("C:\\GAME \"1\"\0", 12));
  EXPECT_EQ(paths->Find("")->data, std::string("default\0", 8));
  EXPECT_EQ(paths->Find("Raw")->data, "\x01\x02\xff");
  EXPECT_EQ(paths->Find("Odd")->type, 7u);
  EXPECT_EQ(tree->Serialize(), text);
}

TEST(RegistryTree, ContinuedHexLinesAndCarriageReturns) {
  std::string error;
  auto tree = RegistryTree::Parse(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"B\"=hex:01,02,\\\r\n  03\r\n", error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(tree->Find("HKEY_CURRENT_USER\\Software\\A")->Find("B")->data, "\x01\x02\x03");
}

TEST(RegistryTree, EmptyTextIsAnEmptyRegistry) {
  std::string error;
  auto tree = RegistryTree::Parse("", error);
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->Serialize(), "REGEDIT4\n");
}

TEST(RegistryTree, RefusesWhatItDoesNotUnderstand) {
  const char* bad[] = {
      "not a registry",
      "REGEDIT4\n\"A\"=\"value before any key\"\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A\n",
      "REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\A]\n",
      "REGEDIT4\n[Software\\A]\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=dword:123\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=hex:1,2\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=\"unterminated\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"B\"=-\n",
  };
  for (const char* text : bad) {
    std::string error;
    EXPECT_FALSE(RegistryTree::Parse(text, error)) << text;
    EXPECT_NE(error.find("line "), std::string::npos) << text;
  }
}

TEST(RegistryTree, CreatingAKeyCreatesTheKeysAboveIt) {
  RegistryTree tree;
  EXPECT_TRUE(tree.Create("HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS"));
  EXPECT_FALSE(tree.Create("HKEY_CURRENT_USER\\SOFTWARE\\KULVO"));
  EXPECT_EQ(tree.Serialize(),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\Kulvo]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n");
}

}  // namespace
