// A program whose string table lacks the application title: the application is named after
// the program file, without its folder and extension. It links no resource table at all, so
// its module has no resources.
#include <gtest/gtest.h>

#include "framework/framework.h"

namespace {

TEST(ApplicationName, WithoutATitleIsTheProgramsBaseName) {
  CWinApp app;
  app.InitApplication(GetModuleHandleA(nullptr));
  EXPECT_STREQ(app.m_pszExeName, "framework_untitled_tests");
  EXPECT_STREQ(app.m_pszAppName, "framework_untitled_tests");
  EXPECT_STREQ(app.m_pszProfileName, "framework_untitled_tests.INI");
}

}  // namespace
