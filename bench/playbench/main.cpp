// playbench: what playing a movie costs, beside ffplay on the same movie in the same run.
//
//   playbench [MOVIE] [--no-sdl] [--no-ffplay]
//
// The movie (default: onyx_SPLASH.SMK of the shared samples, or the demo disc's ZOVA1A.SMK
// when they are absent) goes on a temporary disc as ZOVA1A.SMK and ZOVA1B.SMK; the viewer
// plays channel 1 (both movies, to their end) on the real clock:
//   - headless: a script clicks channel 1, waits for both movies, clicks QUIT;
//   - SDL in a virtual X server (Xvfb, 640x480x24): xdotool does the same clicks;
// then ffplay plays the movie once in the same X server, and once with -nodisp (which decodes
// the sound only). The SDL programs use the sound device SDL finds: on a machine without a
// sound card none, and both play silent, paced by the clock alone. (SDL's dummy driver is no
// stand-in: it takes a buffer every whole number of milliseconds, rounded down, so it
// consumes sound some percent fast, and a movie whose clock follows the device runs ahead.)
//
// Figures, per run:
//   CPU    user + system time of the child over its wall time (share of one core);
//   peak   the child's peak resident memory (VmHWM, from its resource usage);
//   pacing the `frame` events' `t` (microseconds from the movie's open, taken by the video
//          library when the frame's rectangles are drawn) against index x frame period:
//          median, 99th percentile and maximum of the lateness, over both movies;
//   A/V    for a movie played to its end, the close waits until the device has played its
//          sound; the bench stamps the `open` and `close` event lines as they are written
//          (inotify on the log), so (close - open) - samples / rate is how late the sound
//          ended against the movie's clock; less the median lateness of its pictures, it is
//          the offset of sound against picture at the end of the movie (the mean of the two
//          movies; positive: sound behind). "silent" when no sound was played;
//   panel  from the start of the process to the panel: headless, the moment its script's first
//          command (the click) ran, which is the first time the program waited for input with
//          the panel painted, seen as the movie window's `create` line; with SDL, the dialog's
//          `create` line (a lower bound: painting follows).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "smk/movie.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct MovieFacts {
  uint32_t frames = 0;
  double periodUs = 0;
  uint32_t rate = 0;  // of the first sound track; 0 when silent
  uint64_t samples = 0;
};

std::optional<MovieFacts> readFacts(const std::string& path) {
  auto movie = smk::Movie::open(path);
  if (!movie) return std::nullopt;
  const smk::Header& h = movie->header();
  MovieFacts facts{h.frames, h.frameDuration * 10.0, 0, 0};
  const smk::AudioTrack& track = h.audio[0];
  if (track.decodable()) {
    facts.rate = track.rate;
    const uint32_t frameBytes = track.channels * track.bitsPerSample / 8u;
    while (const smk::Frame* f = movie->decodeNextFrame()) facts.samples += f->audio[0].size();
    facts.samples /= frameBytes;
  }
  return facts;
}

struct Line {
  double at;  // seconds since the child started
  std::string text;
};

struct Run {
  bool ok = false;
  double wall = 0, cpu = 0;
  double peakMiB = 0;
  int status = -1;
  std::vector<Line> lines;
};

// Spawns argv with extra environment entries; returns the pid or -1.
pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, bool quiet) {
  std::vector<std::string> envStore;
  for (char** e = environ; *e; ++e) envStore.emplace_back(*e);
  for (const auto& e : env) envStore.push_back(e);
  std::vector<char*> argv, envp;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (auto& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Runs a child to its end (killed after `limit` seconds), stamping each line written to `log`
// as it appears. `drive` is called after each check with the lines so far and the time.
Run runWatched(const std::vector<std::string>& args, const std::vector<std::string>& env,
               const std::string& log, double limit,
               const std::function<void(const std::vector<Line>&, double)>& drive) {
  Run run;
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (!log.empty()) {
    std::ofstream(log, std::ios::trunc).flush();
    inotify_add_watch(watch, log.c_str(), IN_MODIFY);
  }
  const double start = now();
  const pid_t pid = spawn(args, env, true);
  if (pid < 0) {
    close(watch);
    return run;
  }
  std::ifstream in;
  if (!log.empty()) in.open(log);
  std::string partial;
  rusage usage{};
  int status = 0;
  bool killed = false;
  while (true) {
    pollfd p{watch, POLLIN, 0};
    poll(&p, 1, 20);
    char buf[4096];
    while (read(watch, buf, sizeof buf) > 0) {
    }
    if (in.is_open()) {
      in.clear();
      char c;
      while (in.get(c)) {
        if (c == '\n') {
          run.lines.push_back({now() - start, partial});
          partial.clear();
        } else {
          partial += c;
        }
      }
    }
    if (wait4(pid, &status, WNOHANG, &usage) == pid) break;
    if (drive) drive(run.lines, now() - start);
    if (!killed && now() - start > limit) {
      std::fprintf(stderr, "playbench: %s ran longer than %.0f s, stopped\n", args[0].c_str(),
                   limit);
      kill(pid, SIGTERM);
      killed = true;
    }
  }
  close(watch);
  run.wall = now() - start;
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.ok = !killed && run.status == 0;
  return run;
}

// A number after "key": in a JSON line, or nullopt.
std::optional<double> field(const std::string& line, const std::string& key) {
  const std::string pattern = "\"" + key + "\":";
  const size_t at = line.find(pattern);
  if (at == std::string::npos) return std::nullopt;
  return std::strtod(line.c_str() + at + pattern.size(), nullptr);
}

bool has(const std::string& line, const char* text) { return line.find(text) != std::string::npos; }

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

struct Figures {
  size_t frames = 0;
  double median = 0, p99 = 0, max = 0;  // pacing lateness, ms
  std::optional<double> avMs;           // sound behind picture at the end, ms
  uint64_t samples = 0;
  std::optional<double> panelMs;
};

Figures analyse(const Run& run, const MovieFacts& facts, bool headless) {
  Figures f;
  std::vector<double> all, movie;
  double openAt = 0;
  std::vector<double> offsets;
  for (const Line& l : run.lines) {
    const std::string& s = l.text;
    if (has(s, "\"ev\":\"movie\"") && has(s, "\"op\":\"open\"")) {
      openAt = l.at;
      movie.clear();
    } else if (has(s, "\"ev\":\"frame\"")) {
      const double late = *field(s, "t") - *field(s, "index") * facts.periodUs;
      movie.push_back(late / 1000.0);
      all.push_back(late / 1000.0);
    } else if (has(s, "\"op\":\"close\"")) {
      const auto samples = static_cast<uint64_t>(field(s, "samples").value_or(0));
      f.samples += samples;
      if (samples > 0 && facts.rate > 0 && movie.size() == facts.frames) {
        const double soundLate =
            (l.at - openAt) * 1000.0 - static_cast<double>(samples) * 1000.0 / facts.rate;
        offsets.push_back(soundLate - percentile(movie, 0.5));
      }
    } else if (!f.panelMs && has(s, "\"op\":\"create\"") &&
               has(s, headless ? "\"class\":\"KulvoMovie\"" : "\"class\":\"#32770\"")) {
      f.panelMs = l.at * 1000.0;
    }
  }
  f.frames = all.size();
  f.median = percentile(all, 0.5);
  f.p99 = percentile(all, 0.99);
  f.max = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
  if (!offsets.empty()) {
    double sum = 0;
    for (double o : offsets) sum += o;
    f.avMs = sum / static_cast<double>(offsets.size());
  }
  return f;
}

void printRow(const char* name, const Run& run, const Figures* f) {
  std::printf("%-22s %6.2f%% %8.1f", name, 100.0 * run.cpu / std::max(run.wall, 1e-9), run.peakMiB);
  if (!f) {
    std::printf("   (wall %.1f s, exit %d)\n", run.wall, run.status);
    return;
  }
  char av[32] = "silent";
  if (f->avMs) std::snprintf(av, sizeof av, "%+.1f", *f->avMs);
  std::printf(" %7zu %7.2f %7.2f %7.2f %8s %8.1f   (wall %.1f s, exit %d)\n", f->frames, f->median,
              f->p99, f->max, av, f->panelMs.value_or(-1), run.wall, run.status);
}

// Starts Xvfb on a free display number; returns its pid and sets DISPLAY in `display`.
pid_t startXvfb(std::string& display) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const char* argv[] = {"Xvfb",       "-displayfd", "3",   "-screen", "0",
                        "640x480x24", "-nolisten",  "tcp", nullptr};
  pid_t pid = -1;
  if (posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  char buf[16] = {};
  pollfd p{fds[0], POLLIN, 0};
  if (pid > 0 && poll(&p, 1, 10000) == 1 && read(fds[0], buf, sizeof buf - 1) > 0)
    display = std::string(":") + std::to_string(std::atoi(buf));
  close(fds[0]);
  return display.empty() ? -1 : pid;
}

// A click; xdotool's complaints, if any, go to our stderr.
void xdotool(int x, int y) {
  const pid_t pid = spawn(
      {"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"}, {}, false);
  if (pid > 0) waitpid(pid, nullptr, 0);
}

double loadAverage() {
  double load = 0;
  if (FILE* f = std::fopen("/proc/loadavg", "r")) {
    if (std::fscanf(f, "%lf", &load) != 1) load = 0;
    std::fclose(f);
  }
  return load;
}

}  // namespace

int main(int argc, char** argv) {
  std::string moviePath = fs::exists(PLAYBENCH_SAMPLE) ? PLAYBENCH_SAMPLE : PLAYBENCH_DEMO;
  bool withSdl = true, withFfplay = true;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--no-sdl"))
      withSdl = false;
    else if (!std::strcmp(argv[i], "--no-ffplay"))
      withFfplay = false;
    else if (argv[i][0] != '-')
      moviePath = argv[i];
    else {
      std::fprintf(stderr, "usage: playbench [MOVIE] [--no-sdl] [--no-ffplay]\n");
      return 1;
    }
  }
  moviePath = fs::absolute(moviePath).string();
  const auto facts = readFacts(moviePath);
  if (!facts) {
    std::fprintf(stderr, "playbench: cannot read %s\n", moviePath.c_str());
    return 1;
  }
  const double length = facts->frames * facts->periodUs / 1e6;

  // The disc, the settings and the script.
  char dirTemplate[] = "/tmp/playbench.XXXXXX";
  if (!mkdtemp(dirTemplate)) return 1;
  const fs::path dir = dirTemplate;
  fs::create_directories(dir / "disc" / "DATA");
  fs::create_symlink(moviePath, dir / "disc" / "DATA" / "ZOVA1A.SMK");
  fs::create_symlink(moviePath, dir / "disc" / "DATA" / "ZOVA1B.SMK");
  const std::string registry = (dir / "registry.reg").string();
  std::ofstream(registry)
      << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\n"
         "\"GOODIES\"=\"E:\\\\GOODIES\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\Windows]\n"
         "\"Last Color Depth\"=dword:00000020\n";
  const auto waitMs = static_cast<long>(2 * length * 1000 + 1500);
  std::ofstream(dir / "script.txt") << "click 285 170\nwait " << waitMs << "\nclick 320 310\n";
  const std::string log = (dir / "log.jsonl").string();
  const std::vector<std::string> common = {"CHANNELS_CLOCK=real", "CHANNELS_REGISTRY=" + registry,
                                           "CHANNELS_DRIVES=E:=" + (dir / "disc").string(),
                                           "CHANNELS_LOG=" + log};
  const double limit = 2 * length + 30;

  std::printf("movie %s: %u frames, %.3f ms a frame, %.1f s; %s\n", moviePath.c_str(),
              facts->frames, facts->periodUs / 1000, length,
              facts->rate ? (std::to_string(facts->rate) + " Hz sound").c_str() : "silent");
  std::printf("load average at the start: %.2f (2 cores shared with other work)\n\n",
              loadAverage());
  std::printf("%-22s %7s %8s %7s %7s %7s %7s %8s %8s\n", "run", "CPU", "peakMiB", "frames",
              "med ms", "p99 ms", "max ms", "A/V ms", "panel ms");

  std::vector<std::string> env = common;
  env.push_back("CHANNELS_BACKEND=headless");
  env.push_back("CHANNELS_SCRIPT=" + (dir / "script.txt").string());
  Run headless = runWatched({PLAYBENCH_CHANNELS}, env, log, limit, nullptr);
  Figures hf = analyse(headless, *facts, true);
  printRow("channels headless", headless, &hf);

  std::string display;
  pid_t xvfb = -1;
  if (withSdl || withFfplay) xvfb = startXvfb(display);
  if (xvfb > 0) setenv("DISPLAY", display.c_str(), 1);  // for every program from here on
  if ((withSdl || withFfplay) && xvfb < 0) std::fprintf(stderr, "playbench: no Xvfb\n");
  if (withSdl && xvfb > 0) {
    env = common;
    env.push_back("CHANNELS_BACKEND=sdl");
    double panelAt = -1, clicked = -1, quitAt = -1;
    Run sdl = runWatched(
        {PLAYBENCH_CHANNELS}, env, log, limit, [&](const std::vector<Line>& lines, double t) {
          bool panel = false, movieWindow = false;
          int closes = 0;
          for (const Line& l : lines) {
            panel |= has(l.text, "\"class\":\"#32770\"");
            movieWindow |= has(l.text, "\"class\":\"KulvoMovie\"");
            closes += has(l.text, "\"op\":\"close\"");
          }
          // The panel's window appears a little after the dialog is made;
          // a click that came too early is lost: click again.
          if (panel && panelAt < 0) panelAt = t;
          if (panel && !movieWindow && t - panelAt > 1 && (clicked < 0 || t - clicked > 3)) {
            xdotool(285, 170);
            clicked = t;
          }
          if (closes >= 2 && quitAt < 0) quitAt = t + 0.5;
          if (quitAt >= 0 && t > quitAt) {
            xdotool(320, 310);
            quitAt = t + 3;
          }
        });
    Figures sf = analyse(sdl, *facts, false);
    printRow("channels SDL (Xvfb)", sdl, &sf);
  }
  if (withFfplay && xvfb > 0) {
    const std::vector<std::string> ffenv;
    Run shown = runWatched({"ffplay", "-autoexit", "-loglevel", "error", moviePath}, ffenv, "",
                           limit, nullptr);
    printRow("ffplay (Xvfb)", shown, nullptr);
    Run nodisp = runWatched({"ffplay", "-nodisp", "-autoexit", "-loglevel", "error", moviePath},
                            ffenv, "", limit, nullptr);
    printRow("ffplay -nodisp", nodisp, nullptr);
  }
  if (xvfb > 0) {
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
  }
  std::printf("\nsound: headless played %llu samples of %llu (two plays of %llu)\n",
              static_cast<unsigned long long>(hf.samples),
              static_cast<unsigned long long>(2 * facts->samples),
              static_cast<unsigned long long>(facts->samples));
  std::printf("load average at the end: %.2f\n", loadAverage());
  fs::remove_all(dir);
  return headless.ok ? 0 : 1;
}
