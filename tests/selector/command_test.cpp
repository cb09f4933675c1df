// Commands that no button or key of the panel issues, sent to the real panel headless: 0 is a
// channel like the others, and a command with any of its upper 16 bits set ends the panel
// whatever its lower bits say.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/channel_app.h"
#include "selector/remote_dlg.h"

namespace {

std::string g_dir;

// The panel, sent the given commands as soon as it is up.
class CCommandedDlg : public CRemoteDlg {
 public:
  explicit CCommandedDlg(std::vector<WPARAM> commands)
      : CRemoteDlg(nullptr), commands_(std::move(commands)) {}

 protected:
  BOOL OnInitDialog() override {
    CRemoteDlg::OnInitDialog();
    for (WPARAM command : commands_) PostMessageA(m_hWnd, WM_COMMAND, command, 0);
    return TRUE;
  }

 private:
  std::vector<WPARAM> commands_;
};

size_t PromptsLogged() {
  std::ifstream in(g_dir + "/log.jsonl");
  size_t prompts = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.find("\"ev\":\"msgbox\"") != std::string::npos) ++prompts;
  }
  return prompts;
}

TEST(PanelCommands, ZeroIsAChannelAndUpperBitsEndThePanel) {
  struct Case {
    const char* name;
    std::vector<const char*> movies;  // in the disc's DATA folder
    WPARAM command;                   // followed by QUIT, in case it does not end the panel
    INT_PTR result;
    bool prompts;
  };
  const Case cases[] = {
      {"0 finds channel 0's movies", {"ZOVA0A.SMK", "ZOVA0B.SMK"}, 0, 5, false},
      {"0 asks for the disc without them", {"ZOVA1A.SMK", "ZOVA1B.SMK"}, 0, 5, true},
      {"0x10000 ends the panel", {"ZOVA0A.SMK", "ZOVA0B.SMK"}, 0x10000, 0x10000, false},
      {"0x10003 ends the panel, not playing channel 3", {}, 0x10003, 0x10003, false},
  };
  const std::filesystem::path data = g_dir + "/disc/DATA";
  for (const Case& c : cases) {
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);
    for (const char* movie : c.movies) std::ofstream(data / movie) << "";
    size_t before = PromptsLogged();
    CCommandedDlg panel({c.command, 5});
    EXPECT_EQ(panel.DoModal(), c.result) << c.name;
    EXPECT_EQ(PromptsLogged() - before, c.prompts ? 1u : 0u) << c.name;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The platform reads its settings once: headless, the extras on E:, prompts answered (more
  // answers than the one prompt expected, so that a wrong one fails the test, not the run).
  char pattern[] = "/tmp/channels-selector-XXXXXX";
  g_dir = mkdtemp(pattern);
  std::ofstream(g_dir + "/script.txt") << "msgbox ok\nmsgbox ok\nmsgbox ok\nmsgbox ok\n";
  std::ofstream(g_dir + "/registry.reg")
      << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n"
         "\"GOODIES\"=\"E:\\\\X\"\n";
  setenv("CHANNELS_BACKEND", "headless", 1);
  setenv("CHANNELS_SCREEN", "640x480x32", 1);
  setenv("CHANNELS_SCRIPT", (g_dir + "/script.txt").c_str(), 1);
  setenv("CHANNELS_LOG", (g_dir + "/log.jsonl").c_str(), 1);
  setenv("CHANNELS_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  setenv("CHANNELS_DRIVES", ("E:=" + g_dir + "/disc").c_str(), 1);
  theApp.InitApplication(GetModuleHandleA(nullptr));
  theApp.SetRegistryKey("Kulvo");
  theApp.LoadHomeDir();
  testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(g_dir);
  return result;
}
