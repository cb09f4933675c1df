// Start-up end to end: the display warnings, the remembered colour depth and the Windows
// version test, run headless against a registry file of the test's own.
#include <gtest/gtest.h>

#include "scenario_run.h"

namespace {

using scenario::ClickQuit;
using scenario::Events;
using scenario::MsgboxLine;

const std::string kDepthWarning =
    "You're not running in 256 colors.  Some animations in Corvale 2000\u00ae won't display "
    "correctly.\nSee the Corvale 2000\u00ae ReadMe file for more information on changing your "
    "display drivers.\n\nThis message will not appear a \n\n \n \ngain.";
const std::string kPaletteWarning =
    "Your video driver doesn't support palettes.  Some animations in Corvale 2000 for Windows "
    "won't display correctly.  See the Corvale 2000 ReadMe file for more information on "
    "changing your display drivers.";
const std::string kVersionRefusal =
    "Corvale 2000 is unable to run with Windows versions previous to 4.0. You will need to "
    "upgrade your Windows to at least Version 4.0.";

const std::string kDepthBox = MsgboxLine("Video Warning", kDepthWarning, 0x00);
const std::string kPaletteBox = MsgboxLine("Video Warning", kPaletteWarning, 0x40);
const std::string kVersionBox = MsgboxLine("Corvale 2000", kVersionRefusal, 0x30);

const std::string kKeys = "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000";

std::string StoredDepth(const scenario::Run& run) {
  std::string reg = run.ReadFile("registry.reg");
  size_t at = reg.find("\"Last Color Depth\"=");
  return at == std::string::npos ? "" : reg.substr(at + 19, 14);
}

TEST(Startup, FirstRunAt16BitsWarnsOnceAndRemembersTheDepth) {
  scenario::Run run;
  run.WriteFile("registry.reg", "");
  scenario::Result first = run.Start("msgbox ok\n" + ClickQuit("800x600"), "800x600x16");
  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(Events(first, "msgbox"), std::vector<std::string>{kDepthBox});
  EXPECT_EQ(first.log.back(), "{\"ev\":\"exit\",\"code\":0}");

  std::string reg = run.ReadFile("registry.reg");
  EXPECT_NE(reg.find(kKeys + "\\PATHS]\n\n"), std::string::npos) << reg;
  EXPECT_NE(reg.find(kKeys + "\\Windows]\n\"Last Color Depth\"=dword:00000010\n"),
            std::string::npos)
      << reg;

  scenario::Result second = run.Start(ClickQuit("800x600"), "800x600x16");
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_TRUE(Events(second, "msgbox").empty());
}

// Each step is one start of the program on the same registry: the screen, whether the colour
// depth warning is expected, the depth stored afterwards ("" = none), and whether the Windows
// key exists afterwards (reading the stored depth creates it, as the registry does).
struct DisplayStep {
  const char* screen;
  const char* box;  // "depth", "palette" or ""
  const char* stored;
  bool windowsKey;
};

struct DisplayCase {
  const char* name;
  std::vector<DisplayStep> steps;
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class DisplayDecision : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayDecision, WarnsAndStoresAsDecided) {
  scenario::Run run;
  int start = 0;
  for (const DisplayStep& step : GetParam().steps) {
    ++start;
    std::string box = step.box;
    scenario::Result r =
        run.Start((box.empty() ? "" : "msgbox ok\n") + ClickQuit(step.screen), step.screen);
    EXPECT_EQ(r.exitCode, 0) << "start " << start;
    std::vector<std::string> expected;
    if (box == "depth") expected = {kDepthBox};
    if (box == "palette") expected = {kPaletteBox};
    EXPECT_EQ(Events(r, "msgbox"), expected) << "start " << start << " at " << step.screen;
    std::string stored = step.stored;
    EXPECT_EQ(StoredDepth(run), stored.empty() ? "" : "dword:" + stored)
        << "start " << start << " at " << step.screen;
    EXPECT_EQ(run.ReadFile("registry.reg").find(kKeys + "\\Windows]") != std::string::npos,
              step.windowsKey)
        << "start " << start << " at " << step.screen;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DisplayDecision,
    testing::Values(DisplayCase{"PaletteBased8Bits",
                                {{"640x480x8p", "", "", false}, {"640x480x8p", "", "", false}}},
                    DisplayCase{
                        "EightBitsWithoutPalette",
                        {{"640x480x8", "palette", "", false}, {"640x480x8", "palette", "", false}}},
                    // Not one plane: the stored depth is read, and 8 bits never warn or store.
                    DisplayCase{"EightBitsInTwoPlanes", {{"640x480x8x2", "", "", true}}},
                    DisplayCase{"OneBitInFourPlanes",
                                {{"640x480x1x4", "depth", "00000001", true},
                                 {"640x480x1x4", "", "00000001", true}}},
                    DisplayCase{"DepthChanges",
                                {{"640x480x16", "depth", "00000010", true},
                                 {"640x480x24", "depth", "00000018", true},
                                 {"640x480x16", "depth", "00000010", true},
                                 {"640x480x32", "depth", "00000020", true}}},
                    DisplayCase{"PaletteStartLeavesTheStoredDepth",
                                {{"640x480x16", "depth", "00000010", true},
                                 {"640x480x8p", "", "00000010", true},
                                 {"640x480x16", "", "00000010", true}}}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

TEST(Startup, StoredDepthIsComparedWithTheScreen) {
  struct Case {
    const char* stored;  // registry value text
    bool warned;
  };
  const Case cases[] = {
      {"dword:00000008", true},      // 8 never equals a depth other than 8
      {"dword:00000010", false},     // already warned about 16 bits
      {"hex:10,00,00,00,00", true},  // longer than four bytes: reads as 8
      {"\"16\"", true},              // three bytes of text: not a number
  };
  for (const Case& c : cases) {
    scenario::Run run;
    run.WriteFile("registry.reg",
                  "REGEDIT4\n\n" + kKeys + "\\Windows]\n\"Last Color Depth\"=" + c.stored + "\n");
    scenario::Result r =
        run.Start((c.warned ? "msgbox ok\n" : "") + ClickQuit("640x480"), "640x480x16");
    EXPECT_EQ(r.exitCode, 0) << c.stored;
    EXPECT_EQ(Events(r, "msgbox").size(), c.warned ? 1u : 0u) << c.stored;
  }
}

TEST(Startup, WindowsVersionTest) {
  struct Case {
    const char* version;
    bool refused;
  };
  for (Case c : {Case{"3.10", true}, Case{"3.50", true}, Case{"3.51", false}, Case{"4.0", false},
                 Case{"4.10", false}}) {
    scenario::Run run;
    scenario::Result r = run.Start(c.refused ? "msgbox ok\n" : ClickQuit("640x480"), "640x480x8p",
                                   {{"CHANNELS_WINVER", c.version}});
    EXPECT_EQ(r.exitCode, 0) << c.version;
    std::vector<std::string> expected;
    if (c.refused) expected = {kVersionBox};
    EXPECT_EQ(Events(r, "msgbox"), expected) << c.version;
  }
}

TEST(Startup, VideoWarningComesBeforeTheVersionRefusal) {
  scenario::Run run;
  scenario::Result r =
      run.Start("msgbox ok\nmsgbox ok\n", "640x480x16", {{"CHANNELS_WINVER", "3.10"}});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Events(r, "msgbox"), (std::vector<std::string>{kDepthBox, kVersionBox}));
}

TEST(Startup, ScriptUsedUpWhileWaitingEndsTheRunWithStatus2) {
  scenario::Run run;
  scenario::Result r = run.Start("", "640x480x16");
  EXPECT_EQ(r.exitCode, 2);
  ASSERT_GE(r.log.size(), 2u);
  EXPECT_EQ(r.log[r.log.size() - 2], "{\"ev\":\"script-end\"}");
  EXPECT_EQ(r.log.back(), "{\"ev\":\"exit\",\"code\":2}");
}

TEST(Startup, UnparseableRegistryIsKeptAndActsEmpty) {
  scenario::Run run;
  const std::string garbage = "this is not a registry\n\x01\x02";
  run.WriteFile("registry.reg", garbage);
  scenario::Result r = run.Start("msgbox ok\n" + ClickQuit("640x480"), "640x480x16");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{kDepthBox});
  EXPECT_EQ(run.ReadFile("registry.reg"), garbage);
  // Said once, by the platform, however often the store was read.
  size_t first = r.stderrText.find("registry file");
  ASSERT_NE(first, std::string::npos) << r.stderrText;
  EXPECT_EQ(r.stderrText.find("registry file", first + 1), std::string::npos) << r.stderrText;
}

}  // namespace
