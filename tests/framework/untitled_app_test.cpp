// A program whose string table lacks the application title (string 57344): the application
// is named after the program file, without its folder and extension.
#include <gtest/gtest.h>

#include "embedded_resources.h"
#include "framework/framework.h"

// This program has no resources at all. Its own empty table stands in for the one the build
// packs, so the linker leaves that one out.
const win32::EmbeddedResource g_embeddedResources[1] = {};
const std::size_t g_embeddedResourceCount = 0;

namespace {

TEST(ApplicationName, WithoutATitleIsTheProgramsBaseName) {
  CWinApp app;
  app.InitApplication(GetModuleHandleA(nullptr));
  EXPECT_STREQ(app.m_pszExeName, "framework_untitled_tests");
  EXPECT_STREQ(app.m_pszAppName, "framework_untitled_tests");
  EXPECT_STREQ(app.m_pszProfileName, "framework_untitled_tests.INI");
}

}  // namespace
