// smkenc: makes a Smacker movie from raw RGB24 frames on standard input or a numbered PNG
// sequence, with optional sound from a WAV file.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "picture_ops.h"
#include "png_reader.h"
#include "smk/enc/movie_encoder.h"
#include "smk/enc/rgb_converter.h"
#include "smk/format.h"
#include "smk/limits.h"
#include "wav_reader.h"

namespace {

const char* kUsage = R"(usage: smkenc [options] OUT.smk

Input (one of):
  -s, --size WxH        frames are raw RGB24 of this size on standard input, e.g.
                          ffmpeg -i in.mp4 -f rawvideo -pix_fmt rgb24 - | smkenc -s 320x240 out.smk
  -i, --png PATTERN     numbered PNG pictures, e.g. frames/%04d.png (numbering starts at 0 or 1)
  -a, --audio FILE.wav  sound track (PCM, 8 or 16 bits, mono or stereo)

Movie:
  -r, --fps RATE        frames per second (default 15)
  --scale WxH           resize the pictures to WxH
  --smk2 | --smk4       file version (default SMK2; SMK4 codes some detailed blocks smaller)
  -q, --quality N       0..100 (default 90); 100 keeps every picture exactly when it has
                        at most 256 colours (236 with --fewer-colors)
  --fewer-colors        use palette entries 10..245 only, leaving the 20 static colours of
                        8-bit displays alone
  --ring                add a ring frame for seamless looping
  --y-doubled           store half the height (line pairs averaged), shown at full height
  --y-interlaced        store every second line, shown at full height with dark lines between
  --frames N            stop after N frames
  --audio-raw           store the sound as plain PCM instead of packed
  --audio-lead SECONDS  sound sent with the first frame (default 1)
  -h, --help            this text
)";

struct Size {
  unsigned w = 0, h = 0;
};

Size parse_size(const std::string& s) {
  unsigned w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(s.c_str(), "%u%c%u%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X') ||
      w == 0 || h == 0 || w > 32768 || h > 32768)
    throw std::invalid_argument("bad size '" + s + "' (expected WxH, e.g. 320x240)");
  return {w, h};
}

double parse_number(const std::string& s, const char* what, double lo, double hi) {
  size_t used = 0;
  double v = 0;
  try {
    v = std::stod(s, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != s.size() || !(v >= lo && v <= hi))
    throw std::invalid_argument(std::string("bad ") + what + " '" + s + "' (" + std::to_string(lo) +
                                " .. " + std::to_string(hi) + ")");
  return v;
}

std::string png_name(const std::string& pattern, unsigned n) {
  std::vector<char> buf(pattern.size() + 32);
  int len = std::snprintf(buf.data(), buf.size(), pattern.c_str(), n);
  if (len < 0 || size_t(len) >= buf.size())
    throw std::invalid_argument("bad PNG pattern '" + pattern + "'");
  return buf.data();
}

struct Options {
  std::string out;
  std::optional<Size> raw_size, scale;
  std::string png_pattern, wav;
  double fps = 15;
  bool smk4 = false, fewer = false, ring = false, y_doubled = false, y_interlaced = false,
       audio_raw = false;
  int quality = 90;
  long max_frames = -1;
  double audio_lead = 1.0;
};

Options parse_args(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument("option " + a + " needs a value");
      return argv[++i];
    };
    if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      std::exit(0);
    } else if (a == "-s" || a == "--size")
      o.raw_size = parse_size(value());
    else if (a == "-i" || a == "--png")
      o.png_pattern = value();
    else if (a == "-a" || a == "--audio")
      o.wav = value();
    else if (a == "-r" || a == "--fps")
      o.fps = parse_number(value(), "frame rate", 0.01, 1000);
    else if (a == "--scale")
      o.scale = parse_size(value());
    else if (a == "--smk2")
      o.smk4 = false;
    else if (a == "--smk4")
      o.smk4 = true;
    else if (a == "-q" || a == "--quality")
      o.quality = int(parse_number(value(), "quality", 0, 100));
    else if (a == "--fewer-colors")
      o.fewer = true;
    else if (a == "--ring")
      o.ring = true;
    else if (a == "--y-doubled")
      o.y_doubled = true;
    else if (a == "--y-interlaced")
      o.y_interlaced = true;
    else if (a == "--frames")
      o.max_frames =
          long(parse_number(value(), "frame count", 1, smk::limits::kMaxStoredFrames - 1));
    else if (a == "--audio-raw")
      o.audio_raw = true;
    else if (a == "--audio-lead")
      o.audio_lead = parse_number(value(), "audio lead", 0, 60);
    else if (!a.empty() && a[0] == '-' && a != "-")
      throw std::invalid_argument("unknown option " + a);
    else if (o.out.empty())
      o.out = a;
    else
      throw std::invalid_argument("more than one output file given");
  }
  if (o.out.empty()) throw std::invalid_argument("no output file given");
  if (o.raw_size.has_value() == !o.png_pattern.empty())
    throw std::invalid_argument("give either --size (raw frames on standard input) or --png");
  if (o.y_doubled && o.y_interlaced)
    throw std::invalid_argument("--y-doubled and --y-interlaced exclude each other");
  return o;
}

// Delivers the input pictures one by one.
class FrameSource {
 public:
  explicit FrameSource(const Options& o) : o_(o) {
    if (o.raw_size) {
      size_ = *o.raw_size;
      return;
    }
    // The sequence starts at 0 or 1; the first picture fixes the size.
    next_ = std::filesystem::exists(png_name(o.png_pattern, 0)) ? 0 : 1;
    if (!std::filesystem::exists(png_name(o.png_pattern, next_)))
      throw std::runtime_error("no picture " + png_name(o.png_pattern, 1) + " (nor numbered 0)");
    size_ = {0, 0};
  }

  // Next picture, or false at the end of the input.
  bool next(std::vector<uint8_t>& rgb, Size& size) {
    if (o_.raw_size) {
      const size_t bytes = size_t(size_.w) * size_.h * 3;
      rgb.resize(bytes);
      size_t got = std::fread(rgb.data(), 1, bytes, stdin);
      if (got == 0) return false;
      if (got < bytes) {
        std::cerr << "smkenc: warning: input ends inside a frame (" << got << " of " << bytes
                  << " bytes); that frame is left out\n";
        return false;
      }
      size = size_;
      return true;
    }
    const std::string name = png_name(o_.png_pattern, next_);
    if (!std::filesystem::exists(name)) return false;
    smkenc::RgbPicture p = smkenc::read_png(name);
    if (size_.w == 0) size_ = {p.width, p.height};
    if (p.width != size_.w || p.height != size_.h)
      throw std::runtime_error(name + ": size " + std::to_string(p.width) + "x" +
                               std::to_string(p.height) + " differs from the first picture's");
    ++next_;
    rgb = std::move(p.rgb);
    size = size_;
    return true;
  }

 private:
  const Options& o_;
  Size size_;
  unsigned next_ = 0;
};

// The encoder reports errors as values; this program reports them as a message and status 1.
void check(const smk::Status& s) {
  if (!s) throw std::runtime_error(s.error().describe());
}

template <class T>
T take(smk::Result<T>&& r) {
  if (!r) throw std::runtime_error(r.error().describe());
  return std::move(r.value());
}

int run(const Options& o) {
  std::optional<smkenc::WavSound> sound;
  if (!o.wav.empty()) sound = smkenc::read_wav(o.wav);

  FrameSource source(o);
  std::optional<smk::enc::MovieEncoder> encoder;
  std::optional<smk::enc::RgbConverter> converter;
  std::vector<uint8_t> rgb;
  Size in;
  long frames = 0;
  const auto start = std::chrono::steady_clock::now();
  while ((o.max_frames < 0 || frames < o.max_frames) && source.next(rgb, in)) {
    Size out = o.scale.value_or(in);
    rgb = smkenc::resize_rgb(rgb, in.w, in.h, out.w, out.h);
    if (o.y_doubled || o.y_interlaced) {
      rgb = smkenc::halve_height(rgb, out.w, out.h, o.y_doubled);
      out.h /= 2;
    }
    if (!encoder) {
      if (out.w % smk::format::kBlockSize || out.h % smk::format::kBlockSize)
        std::cerr << "smkenc: warning: " << out.w << "x" << out.h
                  << " is not a multiple of 4; the last columns/rows show palette entry 0\n";
      smk::enc::MovieSettings s;
      s.width = out.w;
      s.height = out.h;
      s.frameRate = take(smk::enc::frameRateCode(o.fps));
      s.smk4 = o.smk4;
      s.ringFrame = o.ring;
      s.yDoubled = o.y_doubled;
      s.yInterlaced = o.y_interlaced;
      s.quality = o.quality;
      s.audioLeadSeconds = o.audio_lead;
      encoder.emplace(take(smk::enc::MovieEncoder::create(s)));
      converter.emplace(take(smk::enc::RgbConverter::create(
          {out.w, out.h, o.fewer ? 10u : 0u, o.fewer ? 236u : 256u})));
    }
    check(converter->convert(rgb));
    check(encoder->addFrame(converter->indices(), converter->palette()));
    ++frames;
  }
  if (!encoder) throw std::runtime_error("no pictures in the input");
  if (sound) {
    check(encoder->addAudio({sound->rate, sound->channels, sound->bits, !o.audio_raw},
                            std::move(sound->pcm)));
  }
  const std::vector<uint8_t> file = take(encoder->finish());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  // Write beside the target and rename, so a failure never leaves half a file behind.
  const std::string tmp = o.out + ".part";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    f.close();
    if (!f) {
      std::filesystem::remove(tmp);
      throw std::runtime_error("cannot write " + o.out);
    }
  }
  std::filesystem::rename(tmp, o.out);

  const auto& st = encoder->stats();
  std::cerr << "smkenc: " << o.out << ": " << frames << " frames" << (o.ring ? " + ring frame" : "")
            << ", " << file.size() << " bytes, " << st.paletteChunks
            << " palette changes; blocks: " << st.blocksByKind[smk::format::kSkip] << " skip, "
            << st.blocksByKind[smk::format::kSolid] << " solid, "
            << st.blocksByKind[smk::format::kMono] << " mono, "
            << st.blocksByKind[smk::format::kFull] << " full; " << frames / std::max(seconds, 1e-9)
            << " frames/s\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(parse_args(argc, argv));
  } catch (const std::invalid_argument& e) {
    std::cerr << "smkenc: " << e.what() << "\n(smkenc --help for usage)\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "smkenc: " << e.what() << "\n";
    return 1;
  }
}
