// A channel's movies end to end, headless on the virtual clock: the order of the two movies,
// what interrupts them, movies that cannot be played, where the pictures go on the screen and
// that they are exactly the pictures the movie holds, shown exactly when they are due, with
// all their sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "movie_facts.h"
#include "picture.h"
#include "scenario_run.h"

namespace {

namespace fs = std::filesystem;
using scenario::ClickQuit;
using scenario::Events;

const std::string kDemoData = std::string(CHANNELS_DEMO_DIR) + "/disc/DATA/";

std::string DemoMovie(const std::string& name) { return kDemoData + name; }

// Where channel buttons 1 to 4 are on a screen of the given size: the panel is centred.
std::string Channel(int channel, int screenWidth = 640, int screenHeight = 480) {
  const int x = (screenWidth - 640) / 2 + (channel % 2 == 1 ? 285 : 355);
  const int y = (screenHeight - 480) / 2 + (channel <= 2 ? 170 : 240);
  return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

struct Frame {
  int index;
  std::vector<std::array<int, 4>> rects;
  long long t;
};

// One movie as the log shows it: its open, the frames drawn, and the samples played.
struct Played {
  std::string path;
  bool opened = false;
  std::vector<Frame> frames;
  long long samples = -1;
};

std::vector<Played> MoviesIn(const scenario::Result& result) {
  std::vector<Played> movies;
  const std::regex open(R"re("op":"open","path":"([^"]*)","ok":(true|false))re");
  const std::regex close(R"re("op":"close","samples":([0-9]+))re");
  const std::regex frame(R"re("index":([0-9]+),"rects":\[(.*)\],"t":([0-9]+))re");
  const std::regex rect(R"re(\[(-?[0-9]+),(-?[0-9]+),([0-9]+),([0-9]+)\])re");
  for (const std::string& line : result.log) {
    std::smatch m;
    if (std::regex_search(line, m, open)) {
      movies.push_back({m[1], m[2] == "true", {}, -1});
    } else if (std::regex_search(line, m, close) && !movies.empty()) {
      movies.back().samples = std::stoll(m[1]);
    } else if (line.find("\"ev\":\"frame\"") != std::string::npos &&
               std::regex_search(line, m, frame) && !movies.empty()) {
      Frame f{std::stoi(m[1]), {}, std::stoll(m[3])};
      const std::string rects = m[2];
      for (std::sregex_iterator r(rects.begin(), rects.end(), rect), end; r != end; ++r) {
        f.rects.push_back(
            {std::stoi((*r)[1]), std::stoi((*r)[2]), std::stoi((*r)[3]), std::stoi((*r)[4])});
      }
      movies.back().frames.push_back(f);
    }
  }
  return movies;
}

// A run whose registry puts the extras on E: (and warns about no colour depth), and whose E:
// drive holds the given files: name -> path of the movie to copy there, or "" for an empty
// file.
struct PlaybackRun : scenario::Run {
  explicit PlaybackRun(const std::map<std::string, std::string>& movies) {
    WriteFile("registry.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n"
              "\"GOODIES\"=\"E:\\\\EXTRAS\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\Windows]\n"
              "\"Last Color Depth\"=dword:00000020\n");
    fs::create_directories(Path("disc/DATA"));
    for (const auto& [name, source] : movies) {
      if (source.empty()) {
        WriteFile("disc/DATA/" + name, "");
      } else {
        fs::copy_file(source, Path("disc/DATA/" + name));
      }
    }
  }
  // The whole demo channel n.
  static std::map<std::string, std::string> DemoChannel(int n) {
    const std::string a = "ZOVA" + std::to_string(n) + "A.SMK";
    const std::string b = "ZOVA" + std::to_string(n) + "B.SMK";
    return {{a, DemoMovie(a)}, {b, DemoMovie(b)}};
  }
  scenario::Result Go(const std::string& script, const std::string& screen = "640x480x32") const {
    return Start(script, screen, {{"CHANNELS_DRIVES", "E:=" + Path("disc")}});
  }
  std::string Shot(const std::string& name) const { return "screenshot " + Path(name) + "\n"; }
  scenario::Picture Screen(const std::string& name) const { return scenario::ReadPng(Path(name)); }
};

// Every frame of the movie, once each and in order, each reaching the screen exactly when it
// is due; and all of its sound.
void ExpectPlayedWhole(const Played& played, const std::string& movie) {
  const scenario::MovieFacts facts = scenario::ReadMovieFacts(movie);
  EXPECT_TRUE(played.opened) << played.path;
  ASSERT_EQ(static_cast<int>(played.frames.size()), facts.frames) << played.path;
  for (int i = 0; i < facts.frames; ++i) {
    EXPECT_EQ(played.frames[i].index, i) << played.path;
    EXPECT_EQ(played.frames[i].t, i * facts.periodMicroseconds) << played.path << " frame " << i;
  }
  EXPECT_EQ(played.samples, facts.samples) << played.path;
}

TEST(Playback, AChannelPlaysItsTwoMoviesInOrderAndThePanelComesBack) {
  PlaybackRun run(PlaybackRun::DemoChannel(3));
  const auto result = run.Go(run.Shot("before.png") + Channel(3) + "wait 60000\n" +
                             run.Shot("after.png") + ClickQuit("640x480x32"));
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  const auto movies = MoviesIn(result);
  ASSERT_EQ(movies.size(), 2u);
  EXPECT_EQ(movies[0].path, "E:\\\\DATA\\\\ZOVA3A.SMK");
  EXPECT_EQ(movies[1].path, "E:\\\\DATA\\\\ZOVA3B.SMK");
  ExpectPlayedWhole(movies[0], DemoMovie("ZOVA3A.SMK"));
  ExpectPlayedWhole(movies[1], DemoMovie("ZOVA3B.SMK"));

  const auto windows = Events(result, "window");
  int movieWindows = 0;
  for (const std::string& w : windows) movieWindows += w.find("KulvoMovie") != std::string::npos;
  EXPECT_EQ(movieWindows, 2) << "one movie window, created and destroyed";
  EXPECT_EQ(scenario::Difference(run.Screen("after.png"), run.Screen("before.png")), "");
}

struct InputCase {
  const char* input;  // script line
  bool interrupts;
};

TEST(Playback, ACharacterKeyOrALeftClickEndsTheChannelOtherInputDoesNot) {
  const InputCase cases[] = {
      {"key Escape", true},    {"key Return", true},    {"key Space", true},
      {"key BackSpace", true}, {"key Tab", true},       {"key q", true},
      {"key 7", true},         {"click 20 20", true},   {"key Left", false},
      {"key F1", false},       {"key Shift", false},    {"altkey x", false},
      {"rclick 20 20", false}, {"mclick 20 20", false},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.input);
    PlaybackRun run(PlaybackRun::DemoChannel(1));
    const auto result = run.Go(Channel(1) + "until frame 5\n" + c.input + "\nwait 60000\n" +
                               ClickQuit("640x480x32"));
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    const auto movies = MoviesIn(result);
    if (c.interrupts) {
      ASSERT_EQ(movies.size(), 1u) << "the second movie never opens";
      EXPECT_GE(movies[0].frames.size(), 6u);
      EXPECT_LT(movies[0].frames.size(), 10u);
    } else {
      ASSERT_EQ(movies.size(), 2u);
      ExpectPlayedWhole(movies[0], DemoMovie("ZOVA1A.SMK"));
      ExpectPlayedWhole(movies[1], DemoMovie("ZOVA1B.SMK"));
    }
  }
}

TEST(Playback, AKeyInTheSecondMovieEndsIt) {
  PlaybackRun run(PlaybackRun::DemoChannel(1));
  const scenario::MovieFacts first = scenario::ReadMovieFacts(DemoMovie("ZOVA1A.SMK"));
  // Past the first movie and the end of its sound, into the second one.
  const long long firstMs = first.frames * first.periodMicroseconds / 1000 + 2000;
  const auto result = run.Go(Channel(1) + "wait " + std::to_string(firstMs) +
                             "\nuntil frame 3\nkey Escape\nwait 60000\n" + ClickQuit("640x480x32"));
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  const auto movies = MoviesIn(result);
  ASSERT_EQ(movies.size(), 2u);
  ExpectPlayedWhole(movies[0], DemoMovie("ZOVA1A.SMK"));
  EXPECT_LT(movies[1].frames.size(), static_cast<size_t>(first.frames));
  EXPECT_GE(movies[1].frames.size(), 4u);
}

TEST(Playback, MoviesThatCannotBePlayedEndCleanly) {
  // The first movie is empty: it cannot be opened, and the second one plays.
  {
    PlaybackRun run({{"ZOVA2A.SMK", ""}, {"ZOVA2B.SMK", DemoMovie("ZOVA2B.SMK")}});
    const auto result = run.Go(Channel(2) + "wait 60000\n" + ClickQuit("640x480x32"));
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    const auto movies = MoviesIn(result);
    ASSERT_EQ(movies.size(), 2u);
    EXPECT_FALSE(movies[0].opened);
    ExpectPlayedWhole(movies[1], DemoMovie("ZOVA2B.SMK"));
  }
  // The first is cut off in the middle: what is there plays, then the second, which is no
  // movie at all, is refused.
  {
    PlaybackRun run({{"ZOVA2A.SMK", DemoMovie("ZOVA2A.SMK")}, {"ZOVA2B.SMK", ""}});
    const std::string cut = run.Path("disc/DATA/ZOVA2A.SMK");
    fs::resize_file(cut, fs::file_size(cut) / 2);
    run.WriteFile("disc/DATA/ZOVA2B.SMK", "SMK2 and then nothing a movie would hold");
    const auto result = run.Go(Channel(2) + "wait 60000\n" + ClickQuit("640x480x32"));
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    const auto movies = MoviesIn(result);
    ASSERT_EQ(movies.size(), 2u);
    EXPECT_TRUE(movies[0].opened);
    EXPECT_GT(movies[0].frames.size(), 0u);
    EXPECT_LT(movies[0].frames.size(), 120u);
    EXPECT_FALSE(movies[1].opened);
  }
}

TEST(Playback, ATruncatedSampleMovieEndsCleanly) {
  const std::string earth =
      std::string(CHANNELS_SOURCE_DIR) + "/../shared/samples/files/onyx_EARTH.SMK";
  if (!fs::exists(earth)) GTEST_SKIP() << "no sample movies beside the checkout";
  PlaybackRun run({{"ZOVA4A.SMK", earth}, {"ZOVA4B.SMK", earth}});
  const auto result = run.Go(Channel(4) + "wait 120000\n" + ClickQuit("640x480x32"));
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  EXPECT_EQ(MoviesIn(result).size(), 2u);
}

TEST(Playback, AOneFrameMovieShowsItsFrameOnce) {
  // Made here with our encoder: one grey 64 x 48 frame.
  scenario::Run maker;
  const std::string movie = maker.Path("one.smk");
  const std::string command =
      "head -c " + std::to_string(64 * 48 * 3) +
      " /dev/zero | tr '\\0' '\\200' | " CHANNELS_SMKENC " -s 64x48 -r 10 '" + movie + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  PlaybackRun run({{"ZOVA1A.SMK", movie}, {"ZOVA1B.SMK", movie}});
  const auto result = run.Go(Channel(1) + "wait 10000\n" + ClickQuit("640x480x32"));
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  const auto movies = MoviesIn(result);
  ASSERT_EQ(movies.size(), 2u);
  for (const Played& played : movies) {
    ASSERT_EQ(played.frames.size(), 1u);
    EXPECT_EQ(played.frames[0].index, 0);
    EXPECT_EQ(played.frames[0].t, 0);
  }
}

struct PlaceCase {
  const char* screen;
  int width, height;
  const char* movie;
  int x, y;  // where the movie's top-left lands
};

TEST(Playback, PicturesAreCentredOnTheScreen) {
  const PlaceCase cases[] = {
      {"640x480x32", 640, 480, "ZOVA1A.SMK", 160, 120},  // 320 x 240
      {"800x600x32", 800, 600, "ZOVA1A.SMK", 240, 180},
      {"640x480x32", 640, 480, "ZOVA4A.SMK", -80, -60},  // larger than the screen
      {"319x240x32", 319, 240, "ZOVA1A.SMK", 0, 0},      // one pixel wider than the screen
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(std::string(c.screen) + " " + c.movie);
    PlaybackRun run({{"ZOVA1A.SMK", DemoMovie(c.movie)}, {"ZOVA1B.SMK", DemoMovie(c.movie)}});
    const auto result = run.Go(Channel(1, c.width, c.height) + "until frame 1\nkey Escape\n" +
                                   "wait 1000\n" + ClickQuit(c.screen),
                               c.screen);
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    const auto movies = MoviesIn(result);
    ASSERT_FALSE(movies.empty());
    ASSERT_FALSE(movies[0].frames.empty());
    const scenario::MovieFacts facts = scenario::ReadMovieFacts(DemoMovie(c.movie));
    const std::array<int, 4> whole = {c.x, c.y, facts.width, facts.height};
    ASSERT_EQ(movies[0].frames[0].rects.size(), 1u);
    EXPECT_EQ(movies[0].frames[0].rects[0], whole);
  }
}

TEST(Playback, AChangeOfScreenSizeRecentresTheFollowingFrames) {
  PlaybackRun run(PlaybackRun::DemoChannel(1));
  const auto result =
      run.Go(Channel(1) + "until frame 3\nscreen 800x600\nuntil frame 4\n" + run.Shot("moved.png") +
             "key Escape\nwait 1000\n" + ClickQuit("640x480x32"));  // the panel keeps its layout
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  const auto movies = MoviesIn(result);
  ASSERT_EQ(movies.size(), 1u);
  ASSERT_GE(movies[0].frames.size(), 5u);
  for (const Frame& f : movies[0].frames) {
    const int x = f.index <= 3 ? 160 : 240;
    const int y = f.index <= 3 ? 120 : 180;
    for (const auto& r : f.rects) {
      EXPECT_TRUE(r[0] >= x && r[1] >= y && r[0] + r[2] <= x + 320 && r[1] + r[3] <= y + 240)
          << "frame " << f.index << " rectangle at " << r[0] << "," << r[1];
    }
  }
  // The repaint after the change draws the whole current picture at the top-left corner.
  const scenario::Picture screen = run.Screen("moved.png");
  EXPECT_EQ(scenario::Difference(scenario::Crop(screen, 0, 0, 320, 240),
                                 scenario::ReferenceFrame(DemoMovie("ZOVA1A.SMK"), 3)),
            "");
}

TEST(Playback, TheScreenShowsExactlyTheMoviesPictures) {
  // Plain, Y-doubled and Y-interlaced movies, smaller than the screen and as large.
  const struct {
    int channel;
    bool second;
    std::vector<int> frames;
  } cases[] = {{1, false, {0, 7, 40}}, {2, true, {3, 60}}, {3, false, {2, 30}}, {3, true, {5, 50}}};
  for (const auto& c : cases) {
    const std::string name = "ZOVA" + std::to_string(c.channel) + (c.second ? "B" : "A") + ".SMK";
    SCOPED_TRACE(name);
    // The movie under test is played first, whichever it is.
    PlaybackRun run({{"ZOVA1A.SMK", DemoMovie(name)}, {"ZOVA1B.SMK", DemoMovie(name)}});
    std::string script = Channel(1);
    for (int f : c.frames) {
      script += "until frame " + std::to_string(f) + "\n" + run.Shot(std::to_string(f) + ".png");
    }
    const auto result = run.Go(script + "key Escape\nwait 1000\n" + ClickQuit("640x480x32"));
    EXPECT_EQ(result.exitCode, 0) << result.stderrText;
    const scenario::MovieFacts facts = scenario::ReadMovieFacts(DemoMovie(name));
    const int x = (640 - facts.width) / 2;
    const int y = (480 - facts.height) / 2;
    for (int f : c.frames) {
      const scenario::Picture screen = run.Screen(std::to_string(f) + ".png");
      EXPECT_EQ(scenario::Difference(scenario::Crop(screen, x, y, facts.width, facts.height),
                                     scenario::ReferenceFrame(DemoMovie(name), f)),
                "")
          << "frame " << f;
    }
  }
}

TEST(Playback, APaletteDisplayPlaysTheChannel) {
  PlaybackRun run(PlaybackRun::DemoChannel(2));
  const auto result = run.Go(Channel(2) + "wait 60000\n" + ClickQuit("640x480x8p"), "640x480x8p");
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  const auto movies = MoviesIn(result);
  ASSERT_EQ(movies.size(), 2u);
  ExpectPlayedWhole(movies[0], DemoMovie("ZOVA2A.SMK"));
  ExpectPlayedWhole(movies[1], DemoMovie("ZOVA2B.SMK"));
}

}  // namespace
