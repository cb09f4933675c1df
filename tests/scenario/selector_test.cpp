// The selector panel end to end: its layout and pictures on screen, pressing and releasing
// its buttons, the keyboard, QUIT, the disc prompt and the look-ups of the movie files.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>

#include "picture.h"
#include "scenario_run.h"

namespace {

using scenario::ClickQuit;
using scenario::Events;
using scenario::Placed;

const char* const kNormal[5] = {"quit.bmp", "key1.bmp", "key2.bmp", "key3.bmp", "key4.bmp"};
const char* const kPressed[5] = {"quit-pressed.bmp", "key1-pressed.bmp", "key2-pressed.bmp",
                                 "key3-pressed.bmp", "key4-pressed.bmp"};

// The buttons' rectangles at 640 x 480, by button index (0 QUIT, 1 to 4 the channels).
const int k640[5][4] = {{250, 275, 390, 345},
                        {250, 135, 320, 205},
                        {320, 135, 390, 205},
                        {250, 205, 320, 275},
                        {320, 205, 390, 275}};

std::vector<Placed> Panel(const int rects[5][4], int pressed = -1) {
  std::vector<Placed> placed;
  for (int i = 0; i < 5; ++i) {
    placed.push_back({rects[i][0], rects[i][1], rects[i][2], rects[i][3],
                      i == pressed ? kPressed[i] : kNormal[i]});
  }
  return placed;
}

std::string Center(int index) {
  const int* r = k640[index];
  return std::to_string((r[0] + r[2]) / 2) + " " + std::to_string((r[1] + r[3]) / 2);
}

const std::string kPromptStart =
    "The selected movie wasn't found on the CD-ROM it was installed from.  Please insert the "
    "Corvale 2000 Special Edition CD-ROM in drive ";

std::string Prompt(const std::string& drive) {
  return scenario::MsgboxLine("Corvale 2000", kPromptStart + drive + ".", 0x30);
}

// A registry file with the GOODIES entry as written (none when null) and 32 bits as the
// depth last warned about, so that a 32-bit screen brings no warning.
std::string Registry(const char* goodies) {
  const std::string key = "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000";
  std::string text = "REGEDIT4\n\n" + key + "\\Windows]\n\"Last Color Depth\"=dword:00000020\n";
  if (goodies) text += "\n" + key + "\\PATHS]\n\"GOODIES\"=\"" + goodies + "\"\n";
  return text;
}

// A run whose registry names the extras on E:, and whose E: drive holds the given movies.
struct DiscRun : scenario::Run {
  explicit DiscRun(const std::string& goodies = "E:\\\\X",
                   const std::vector<std::string>& movies = {}) {
    WriteFile("registry.reg", Registry(goodies.c_str()));
    std::filesystem::create_directories(Path("disc/DATA"));
    for (const std::string& m : movies) WriteFile("disc/DATA/" + m, "");
  }
  scenario::Result Go(const std::string& script, const std::string& screen = "640x480x32") const {
    return Start(script, screen, {{"CHANNELS_DRIVES", "E:=" + Path("disc")}});
  }
  std::string Shot(const std::string& name) const { return "screenshot " + Path(name) + "\n"; }
  std::string Compare(const std::string& name, const scenario::Picture& expected) const {
    return scenario::Difference(scenario::ReadPng(Path(name)), expected);
  }
};

struct LayoutCase {
  const char* screen;
  int width, height;
  int rects[5][4];
};

TEST(SelectorPanel, ShowsTheFiveButtonsAtTheirPlaces) {
  const LayoutCase cases[] = {
      {"640x480x32",
       640,
       480,
       {{250, 275, 390, 345},
        {250, 135, 320, 205},
        {320, 135, 390, 205},
        {250, 205, 320, 275},
        {320, 205, 390, 275}}},
      {"800x600x32",
       800,
       600,
       {{330, 335, 470, 405},
        {330, 195, 400, 265},
        {400, 195, 470, 265},
        {330, 265, 400, 335},
        {400, 265, 470, 335}}},
      {"801x601x32",
       801,
       601,
       {{330, 335, 470, 405},
        {330, 195, 400, 265},
        {400, 195, 470, 265},
        {330, 265, 400, 335},
        {400, 265, 470, 335}}},
      // Less than 210 high: T1 = -4 (truncated toward zero), the middle row overlaps it.
      {"320x201x32",
       320,
       201,
       {{90, 135, 230, 205},
        {90, -4, 160, 66},
        {160, -4, 230, 66},
        {90, 65, 160, 135},
        {160, 65, 230, 135}}},
      // A palette display shows the bitmaps' own colours once the panel palette is realised.
      {"640x480x8p",
       640,
       480,
       {{250, 275, 390, 345},
        {250, 135, 320, 205},
        {320, 135, 390, 205},
        {250, 205, 320, 275},
        {320, 205, 390, 275}}},
  };
  for (const LayoutCase& c : cases) {
    DiscRun run;
    const int* quit = c.rects[0];
    std::string click = "click " + std::to_string((quit[0] + quit[2]) / 2) + " " +
                        std::to_string((quit[1] + quit[3]) / 2) + "\n";
    scenario::Result r = run.Go(run.Shot("panel.png") + click, c.screen);
    EXPECT_EQ(r.exitCode, 0) << c.screen << r.stderrText;
    EXPECT_EQ(run.Compare("panel.png", scenario::Compose(c.width, c.height, Panel(c.rects))), "")
        << c.screen;
    EXPECT_TRUE(Events(r, "msgbox").empty()) << c.screen;
  }
}

TEST(SelectorPanel, StartsFromTheTemplateAndEndsWithQuit) {
  DiscRun run;
  scenario::Result r = run.Go(ClickQuit("640x480") + "key Return\n");
  EXPECT_EQ(r.exitCode, 0);
  std::vector<std::string> windows = Events(r, "window");
  ASSERT_EQ(windows.size(), 2u);
  // The panel template (IDD_REMOTE) starts at 189 x 135 pixels and then covers the screen.
  EXPECT_EQ(windows[0],
            R"({"ev":"window","op":"create","class":"#32770","title":"","rect":[0,0,189,135]})");
  EXPECT_EQ(windows[1],
            R"({"ev":"window","op":"destroy","class":"#32770","title":"","rect":[0,0,640,480]})");
  EXPECT_EQ(r.log.back(), R"({"ev":"exit","code":0})");
}

TEST(SelectorPanel, PressShowsThePressedPictureAndReleaseAsksForTheDisc) {
  DiscRun run;
  scenario::Result r =
      run.Go("down " + Center(3) + "\n" + run.Shot("pressed.png") + "up " + Center(3) + "\n" +
             "msgbox ok\n" + run.Shot("released.png") + ClickQuit("640x480"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(run.Compare("pressed.png", scenario::Compose(640, 480, Panel(k640, 3))), "");
  EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{Prompt("E:")});
  EXPECT_EQ(run.Compare("released.png", scenario::Compose(640, 480, Panel(k640))), "");
}

TEST(SelectorPanel, ReleaseAwayFromThePressedButtonIssuesNoCommand) {
  // A press that moves off the buttons leaves the held button looking pressed without holding
  // it: a release that draws or invalidates anything would show it released again.
  struct Case {
    const char* name;
    std::string presses;  // script lines
    int pressedLook;      // the button that still looks pressed afterwards, or -1
  };
  const Case cases[] = {
      {"press on 1, release on 2", "down " + Center(1) + "\nup " + Center(2) + "\n", -1},
      {"press on 1, release outside", "down " + Center(1) + "\nup 20 20\n", -1},
      {"press outside, release on 1", "down " + Center(1) + "\ndown 20 20\nup " + Center(1) + "\n",
       1},
      {"press and release on the black between QUIT's edge and the screen's",
       "down " + Center(0) + "\ndown 249 300\nup 249 300\n", 0},
  };
  for (const Case& c : cases) {
    DiscRun run;
    scenario::Result r = run.Go(c.presses + run.Shot("after.png") + ClickQuit("640x480"));
    EXPECT_EQ(r.exitCode, 0) << c.name;
    EXPECT_TRUE(Events(r, "msgbox").empty()) << c.name;
    EXPECT_EQ(run.Compare("after.png", scenario::Compose(640, 480, Panel(k640, c.pressedLook))), "")
        << c.name;
  }
}

TEST(SelectorPanel, ASecondPressMovesTheHeldButton) {
  // Button 1 keeps its pressed look until the next paint; the release over 2 is channel 2's.
  DiscRun run("E:\\\\X", {"ZOVA1A.SMK", "ZOVA1B.SMK"});
  std::vector<Placed> both = Panel(k640, 1);
  both[2].bitmap = kPressed[2];
  scenario::Result r =
      run.Go("down " + Center(1) + "\ndown " + Center(2) + "\n" + run.Shot("both.png") + "up " +
             Center(2) + "\nmsgbox ok\n" + ClickQuit("640x480"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(run.Compare("both.png", scenario::Compose(640, 480, both)), "");
  EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{Prompt("E:")});
}

TEST(SelectorPanel, EnterIsChannelOneAndEscChannelTwo) {
  // Channel 1's movies are on the disc and channel 2's are not: only channel 2 prompts.
  struct Case {
    const char* key;
    std::vector<std::string> movies;
    bool prompts;
  };
  const Case cases[] = {
      {"Return", {"ZOVA1A.SMK", "ZOVA1B.SMK"}, false},
      {"Escape", {"ZOVA1A.SMK", "ZOVA1B.SMK"}, true},
      {"Return", {"ZOVA2A.SMK", "ZOVA2B.SMK"}, true},
      {"Escape", {"zova2a.smk", "zova2b.smk"}, false},  // names match in any case
      {"Return", {"ZOVA1A.SMK"}, true},                 // the second movie is missing
  };
  for (const Case& c : cases) {
    DiscRun run("E:\\\\X", c.movies);
    std::string script = std::string("key ") + c.key + "\n" + (c.prompts ? "msgbox ok\n" : "") +
                         "key " + c.key + "\n" + (c.prompts ? "msgbox ok\n" : "") +
                         ClickQuit("640x480");
    scenario::Result r = run.Go(script);
    EXPECT_EQ(r.exitCode, 0) << c.key;
    std::vector<std::string> expected;
    if (c.prompts) expected = {Prompt("E:"), Prompt("E:")};
    EXPECT_EQ(Events(r, "msgbox"), expected) << c.key << " " << c.movies.front();
  }
}

// How often the program opened the folder to look a name up in it: each look-up of a movie
// file reads the disc's DATA folder once.
class FolderOpens {
 public:
  explicit FolderOpens(const std::string& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
    // Closes are watched too: identical events in a row would be merged into one.
    inotify_add_watch(fd_, folder.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
  }
  ~FolderOpens() { close(fd_); }
  int Count() const {
    int opens = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* p = buffer; p < buffer + n;) {
        auto* event = reinterpret_cast<inotify_event*>(p);
        if (event->mask & IN_OPEN) ++opens;
        p += sizeof(inotify_event) + event->len;
      }
    }
    return opens;
  }

 private:
  int fd_;
};

TEST(SelectorPanel, SecondMovieIsLookedForOnlyWhenTheFirstIsThere) {
  struct Case {
    std::vector<std::string> movies;
    int lookups;
  };
  for (const Case& c : {Case{{}, 1}, Case{{"ZOVA1A.SMK"}, 2}}) {
    DiscRun run("E:\\\\X", c.movies);
    FolderOpens opens(run.Path("disc/DATA"));
    scenario::Result r = run.Go("click " + Center(1) + "\nmsgbox ok\n" + ClickQuit("640x480"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{Prompt("E:")});
    EXPECT_EQ(opens.Count(), c.lookups) << c.movies.size() << " movies on the disc";
  }
}

TEST(SelectorPanel, PromptNamesTheDriveOfTheGoodiesPath) {
  struct Case {
    const char* goodies;  // as written in the registry file; null: no entry
    const char* drive;
  };
  const Case cases[] = {{"E:\\\\X", "E:"},
                        {"E:\\\\", "E:"},
                        {"Q:\\\\GOODIES\\\\", "Q:"},
                        {"", "\\"},
                        {nullptr, "\\"}};
  for (const Case& c : cases) {
    scenario::Run run;
    run.WriteFile("registry.reg", Registry(c.goodies));
    scenario::Result r =
        run.Start("click " + Center(2) + "\nmsgbox ok\n" + ClickQuit("640x480"), "640x480x32");
    EXPECT_EQ(r.exitCode, 0) << c.drive;
    EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{Prompt(c.drive)}) << c.drive;
  }
}

TEST(SelectorPanel, PanelStaysUsableWhileThePromptIsOpen) {
  // The prompt has no owner: a press on the panel reaches it through the prompt's own loop,
  // brings the panel to the front, and the paint that follows shows every button released,
  // even the one being held. The release asks for the disc again, inside the first prompt.
  DiscRun run;
  const std::string aboveThePrompt = "355 145";  // on button 2, where the prompt leaves it visible
  scenario::Result r = run.Go("click " + Center(1) + "\n" + "down " + aboveThePrompt + "\n" +
                              run.Shot("held.png") + "up " + aboveThePrompt + "\n" + "msgbox ok\n" +
                              "msgbox ok\n" + run.Shot("after.png") + ClickQuit("640x480"));
  EXPECT_EQ(r.exitCode, 0) << r.stderrText;
  EXPECT_EQ(run.Compare("held.png", scenario::Compose(640, 480, Panel(k640))), "");
  EXPECT_EQ(Events(r, "msgbox"), (std::vector<std::string>{Prompt("E:"), Prompt("E:")}));
  EXPECT_EQ(run.Compare("after.png", scenario::Compose(640, 480, Panel(k640))), "");
}

TEST(SelectorPanel, OuterReleaseAfterANestedPromptDrawsNothing) {
  // Inside the first prompt, a second press and release on the panel asks again and leaves no
  // button held. Button 1 is then made to look pressed without being held: the release that
  // opened the first prompt finds no button held once it is closed, and neither draws nor
  // invalidates, so button 1 keeps its look.
  DiscRun run;
  const std::string aboveThePrompt = "355 145";  // on button 2, where the prompt leaves it visible
  scenario::Result r = run.Go("click " + Center(1) + "\nclick " + aboveThePrompt +
                              "\nmsgbox ok\ndown 260 140\ndown 20 20\n" + run.Shot("before.png") +
                              "msgbox ok\n" + run.Shot("after.png") + ClickQuit("640x480"));
  EXPECT_EQ(r.exitCode, 0) << r.stderrText;
  EXPECT_EQ(Events(r, "msgbox"), (std::vector<std::string>{Prompt("E:"), Prompt("E:")}));
  EXPECT_EQ(run.Compare("before.png", scenario::Compose(640, 480, Panel(k640, 1))), "");
  EXPECT_EQ(run.Compare("after.png", scenario::Compose(640, 480, Panel(k640, 1))), "");
}

TEST(SelectorPanel, EnterAfterAClickOnThePanelIsAPlainKey) {
  // With the prompt open, the panel's keys go through the prompt's loop, which has no
  // dialog handling for the panel: Enter is no command there, so nothing is asked again.
  DiscRun run;
  scenario::Result r = run.Go("click " + Center(1) + "\nclick 20 20\nkey Return\nmsgbox ok\n" +
                              ClickQuit("640x480"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Events(r, "msgbox"), std::vector<std::string>{Prompt("E:")});
}

}  // namespace
