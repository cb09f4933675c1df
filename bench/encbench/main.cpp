// encbench: re-encodes the decoded pictures and sound of the sample movies without loss and
// compares the result with the original files.
//
//   encbench [SAMPLES_DIR]     (default: the shared samples beside the source tree)
//
// Exit status: 0 every re-encode decodes exactly, 1 some do not, 77 no samples found.
//
// For each movie: ffmpeg decodes it; smk::enc encodes the RGB frames (palette rebuilt from
// the pictures, quality 100) and the sound (packed, same format); ffmpeg decodes our file
// and every frame and sample must match. Prints sizes, the size ratio and encoding speed.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/little_endian.h"
#include "smk/enc/movie_encoder.h"
#include "smk/enc/rgb_converter.h"
#include "smk/format.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> read_command(const std::string& cmd) {
  std::vector<uint8_t> out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  uint8_t buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.insert(out.end(), buf, buf + n);
  pclose(p);
  return out;
}

std::vector<uint8_t> video_of(const std::string& f) {
  return read_command("ffmpeg -nostdin -v quiet -i '" + f +
                      "' -map 0:v:0 -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -");
}

std::vector<uint8_t> audio_of(const std::string& f, bool is16) {
  return read_command("ffmpeg -nostdin -v quiet -i '" + f + "' -map 0:a:0 " +
                      (is16 ? "-f s16le -c:a pcm_s16le -" : "-f u8 -c:a pcm_u8 -"));
}

struct Result {
  size_t original = 0, ours = 0, frames = 0;
  double seconds = 0;
  bool exact = false;
};

Result run_one(const fs::path& file, bool smk4) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> orig((std::istreambuf_iterator<char>(in)), {});
  Result r;
  r.original = orig.size();
  using namespace smk::format;
  const unsigned w = base::readLe32(&orig[kWidthOffset]), h = base::readLe32(&orig[kHeightOffset]);
  const uint32_t flags = base::readLe32(&orig[kFlagsOffset]),
                 audio = base::readLe32(&orig[audioRateOffset(0)]);
  const uint32_t audio_rate = audio & kAudioRateMask, audio_flags = audio >> kAudioFlagsShift;
  const size_t frame_bytes = size_t(w) * h * 3;
  const std::vector<uint8_t> frames = video_of(file.string());
  r.frames = frames.size() / frame_bytes;
  const bool is16 = audio_flags & kAudio16Bit;
  const std::vector<uint8_t> sound =
      audio_rate ? audio_of(file.string(), is16) : std::vector<uint8_t>{};

  // A stored ring frame that shows the first picture again is re-made as our ring frame;
  // any other is kept as an ordinary frame.
  const bool ring = (flags & kFlagRingFrame) && r.frames > 1 &&
                    std::equal(frames.begin(), frames.begin() + long(frame_bytes),
                               frames.end() - long(frame_bytes));
  const size_t regular = ring ? r.frames - 1 : r.frames;

  const auto start = std::chrono::steady_clock::now();
  smk::enc::MovieSettings s;
  s.width = w;
  s.height = h;
  s.frameRate = int32_t(base::readLe32(&orig[kFrameRateOffset]));
  s.smk4 = smk4;
  s.ringFrame = ring;
  s.yInterlaced = flags & kFlagYInterlaced;
  s.yDoubled = flags & kFlagYDoubled;
  s.quality = 100;
  // An encoder error leaves the movie marked as not exact.
  auto failed = [&](const smk::Error& e) {
    std::fprintf(stderr, "encbench: %s: %s\n", file.filename().c_str(), e.describe().c_str());
    return r;
  };
  auto enc = smk::enc::MovieEncoder::create(s);
  if (!enc) return failed(enc.error());
  auto conv = smk::enc::RgbConverter::create({w, h, 0, 256});
  if (!conv) return failed(conv.error());
  for (size_t f = 0; f < regular; ++f) {
    if (auto st = conv->convert({frames.data() + f * frame_bytes, frame_bytes}); !st)
      return failed(st.error());
    if (auto st = enc->addFrame(conv->indices(), conv->palette()); !st) return failed(st.error());
  }
  if (!sound.empty()) {
    const smk::enc::AudioFormat format{audio_rate, audio_flags & kAudioStereo ? 2u : 1u,
                                       is16 ? 16u : 8u, true};
    if (auto st = enc->addAudio(format, sound); !st) return failed(st.error());
  }
  auto encoded = enc->finish();
  if (!encoded) return failed(encoded.error());
  const std::vector<uint8_t> ours = std::move(*encoded);
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.ours = ours.size();

  const fs::path tmp =
      fs::temp_directory_path() / ("encbench-" + std::to_string(getpid()) + ".smk");
  std::ofstream(tmp, std::ios::binary)
      .write(reinterpret_cast<const char*>(ours.data()), std::streamsize(ours.size()));
  r.exact =
      video_of(tmp.string()) == frames && (sound.empty() || audio_of(tmp.string(), is16) == sound);
  fs::remove(tmp);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::path(SAMPLES_DIR);
  if (!fs::is_directory(dir)) {
    std::printf("encbench: no samples in %s; nothing to measure\n", dir.string().c_str());
    return 77;
  }
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());

  bool all_exact = true;
  for (bool smk4 : {false, true}) {
    std::printf("\nlossless re-encode as %s (sizes in bytes; ratio = ours / original)\n",
                smk4 ? "SMK4" : "SMK2");
    std::printf("%-34s %7s %10s %10s %7s %10s %s\n", "movie", "frames", "original", "ours", "ratio",
                "frames/s", "exact");
    size_t total_orig = 0, total_ours = 0, total_frames = 0;
    double total_s = 0;
    for (const auto& f : files) {
      Result r = run_one(f, smk4);
      total_orig += r.original;
      total_ours += r.ours;
      total_frames += r.frames;
      total_s += r.seconds;
      all_exact = all_exact && r.exact;
      std::printf("%-34s %7zu %10zu %10zu %7.3f %10.1f %s\n", f.filename().string().c_str(),
                  r.frames, r.original, r.ours, double(r.ours) / double(r.original),
                  double(r.frames) / r.seconds, r.exact ? "yes" : "NO");
    }
    std::printf("%-34s %7zu %10zu %10zu %7.3f %10.1f\n", "all", total_frames, total_orig,
                total_ours, double(total_ours) / double(total_orig),
                double(total_frames) / total_s);
  }
  return all_exact ? 0 : 1;
}
