// smkbench: decode speed of the Smacker reader beside ffmpeg's on the same movies.
//
//   smkbench [DIR] [--frames N] [--rounds R] [--no-ffmpeg]
//
// Each movie in DIR (default: the shared sample folder) is decoded in a loop, video and audio,
// on one thread, until about N pictures (default 3000) were produced; then ffmpeg decodes it
// the same number of times (ffmpeg -threads 1 -stream_loop K -i F -map 0 -f null -). Times are
// CPU times (user + system: the machine is shared, wall time is printed too), the median of R
// rounds (default 3). Prints frames per second per movie and overall, and the ratio ours/ffmpeg.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "smk/movie.h"

extern char** environ;

namespace {

struct Times {
  double cpu = 0;
  double wall = 0;
};

double processCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double wallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Pictures of one pass over the movie (what ffmpeg outputs per loop), or -1 if it cannot be read.
long picturesPerPass(const std::string& path) {
  auto movie = smk::Movie::open(path);
  if (!movie) return -1;
  long n = 0;
  while (const smk::Frame* f = movie->decodeNextFrame()) n += f->hasPicture;
  return n;
}

// Decodes `passes` times; returns the times and adds the pictures and samples to the totals.
Times decodeOurs(const std::string& path, long passes, long& pictures) {
  const double c0 = processCpuSeconds(), w0 = wallSeconds();
  auto movie = smk::Movie::open(path);
  if (!movie) return {};
  size_t checksum = 0;
  for (long pass = 0; pass < passes; ++pass) {
    if (pass) (void)movie->rewind();
    while (const smk::Frame* f = movie->decodeNextFrame()) {
      pictures += f->hasPicture;
      for (const auto& a : f->audio) checksum += a.size();
    }
  }
  if (checksum == 1) std::fputs("", stdout);  // keeps the audio work observable
  return {processCpuSeconds() - c0, wallSeconds() - w0};
}

// Runs ffmpeg with its output discarded; CPU time from the child's resource usage.
Times runFfmpeg(const std::string& path, long loops, bool& ok) {
  const std::string loopArg = std::to_string(loops - 1);
  std::vector<std::string> args = {"ffmpeg",       "-nostdin", "-v", "error", "-threads", "1",
                                   "-stream_loop", loopArg,    "-i", path,    "-map",     "0",
                                   "-f",           "null",     "-"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const double w0 = wallSeconds();
  pid_t pid = 0;
  ok = posix_spawnp(&pid, "ffmpeg", &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!ok) return {};
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double wall = wallSeconds() - w0;
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return {cpu, wall};
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = SMKBENCH_SAMPLES;
  long targetFrames = 3000;
  int rounds = 3;
  bool withFfmpeg = true;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--frames") && i + 1 < argc)
      targetFrames = std::max(1L, std::atol(argv[++i]));
    else if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc)
      rounds = std::max(1, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--no-ffmpeg"))
      withFfmpeg = false;
    else if (argv[i][0] != '-')
      dir = argv[i];
    else {
      std::fprintf(stderr, "usage: smkbench [DIR] [--frames N] [--rounds R] [--no-ffmpeg]\n");
      return 1;
    }
  }
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec))
    files.push_back(e.path().string());
  if (ec || files.empty()) {
    std::fprintf(stderr, "smkbench: no movies in %s\n", dir.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());

  std::printf("%-34s %7s %11s %11s %7s\n", "movie", "frames", "ours fps", "ffmpeg fps", "ratio");
  double oursCpu = 0, theirsCpu = 0, oursWall = 0, theirsWall = 0;
  long allFrames = 0;
  for (const std::string& path : files) {
    const long perPass = picturesPerPass(path);
    if (perPass <= 0) {
      std::printf("%-34s unreadable, skipped\n", std::filesystem::path(path).filename().c_str());
      continue;
    }
    const long passes = std::max(1L, (targetFrames + perPass - 1) / perPass);
    std::vector<double> oc, ow, tc, tw;
    long frames = 0;
    bool ffmpegOk = withFfmpeg;
    for (int r = 0; r < rounds; ++r) {
      frames = 0;
      Times o = decodeOurs(path, passes, frames);
      oc.push_back(o.cpu);
      ow.push_back(o.wall);
      if (ffmpegOk) {
        Times t = runFfmpeg(path, passes, ffmpegOk);
        tc.push_back(t.cpu);
        tw.push_back(t.wall);
      }
    }
    const double o = median(oc), t = median(tc);
    oursCpu += o;
    oursWall += median(ow);
    theirsCpu += t;
    theirsWall += median(tw);
    allFrames += frames;
    if (ffmpegOk)
      std::printf("%-34s %7ld %11.0f %11.0f %7.2f\n",
                  std::filesystem::path(path).filename().c_str(), frames, frames / o, frames / t,
                  t / o);
    else
      std::printf("%-34s %7ld %11.0f %11s %7s\n", std::filesystem::path(path).filename().c_str(),
                  frames, frames / o, "-", "-");
  }
  std::printf("\nall movies: %ld frames; ours %.0f fps (CPU), %.0f fps (wall)\n", allFrames,
              allFrames / oursCpu, allFrames / oursWall);
  if (withFfmpeg && theirsCpu > 0) {
    std::printf("ffmpeg:     %.0f fps (CPU), %.0f fps (wall)\n", allFrames / theirsCpu,
                allFrames / theirsWall);
    std::printf("ratio ours/ffmpeg: %.2f (CPU), %.2f (wall)\n", theirsCpu / oursCpu,
                theirsWall / oursWall);
  }
  return 0;
}
