// The home directory and PATHS entries as the registry gives them.
#include "install/install_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/channel_app.h"

namespace {

class InstallPaths : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    char dir[] = "/tmp/channels-paths-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    registry_ = std::string(dir) + "/registry.reg";
    setenv("CHANNELS_REGISTRY", registry_.c_str(), 1);
    theApp.InitApplication(GetModuleHandleA(nullptr));
    theApp.SetRegistryKey("Kulvo");
  }

  // Stores PATHS values (a null pointer: the value is absent) and reloads the home directory.
  static void Store(const char* home, const char* goodies) {
    std::ofstream out(registry_);
    out << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n";
    for (auto [name, value] : {std::pair{"HOME", home}, std::pair{"GOODIES", goodies}}) {
      if (!value) continue;
      out << "\"" << name << "\"=\"";
      for (const char* c = value; *c; ++c) out << (*c == '\\' ? "\\\\" : std::string(1, *c));
      out << "\"\n";
    }
    out.close();
    theApp.LoadHomeDir();
  }

  static std::string registry_;
};

std::string InstallPaths::registry_;

TEST_F(InstallPaths, HomeDirectory) {
  struct Case {
    const char* home;
    const char* expected;
  };
  for (Case c : {Case{nullptr, "\\"}, Case{"", "\\"}, Case{"C:\\GAME", "C:\\GAME\\"},
                 Case{"C:\\GAME\\", "C:\\GAME\\"}, Case{".\\GAME", ".\\GAME\\"}}) {
    Store(c.home, nullptr);
    EXPECT_STREQ(theApp.m_strHomeDir, c.expected) << (c.home ? c.home : "(missing)");
  }
}

TEST_F(InstallPaths, GoodiesAndTheDiscDrive) {
  struct Case {
    const char* home;
    const char* goodies;
    const char* resolved;
    const char* drive;
  };
  const Case cases[] = {
      {"C:\\GAME", nullptr, "\\", "\\"},
      {"C:\\GAME", "", "\\", "\\"},
      {"C:\\GAME", "D:\\GOODIES", "D:\\GOODIES\\", "D:"},
      {"C:\\GAME", ".\\GOODIES", "C:\\GAME\\GOODIES\\", "C:"},
      {"C:\\GAME", ".", "C:\\GAME\\", "C:"},
      {"C:\\GAME", ".\\", "C:\\GAME\\", "C:"},
      {"C:\\GAME", "./X", "./X\\", "./"},
      {"C:\\GAME", "..\\X", "..\\X\\", ".."},
      {"C:\\GAME", "D:\\A\\.\\B", "D:\\A\\.\\B\\", "D:"},
      {"C:\\GAME", "E:\\EXTRAS\\", "E:\\EXTRAS\\", "E:"},
      {nullptr, ".\\GOODIES", "\\GOODIES\\", "\\G"},
  };
  for (const Case& c : cases) {
    Store(c.home, c.goodies);
    std::string label = c.goodies ? c.goodies : "(missing)";
    EXPECT_STREQ(theApp.ResolveProfilePath("PATHS", "GOODIES"), c.resolved) << label;
    EXPECT_STREQ(DiscDrivePrefix(), c.drive) << label;
  }
}

}  // namespace
