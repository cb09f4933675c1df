// smkdec: decodes a Smacker movie to the raw streams FFmpeg would produce for it.
//
//   smkdec FILE --info            header facts as JSON
//   smkdec FILE --video OUT       every output frame as RGB24 rawvideo
//   smkdec FILE --audio N OUT     audio track N (0..6, as numbered in the header): u8 for
//                                 8-bit tracks, s16le interleaved for 16-bit tracks
//
// OUT may be "-" for standard output. Like FFmpeg's command-line tool, decoding stops at a
// frame whose chunk layout is broken, and damaged frames give no picture.
// Exit status: 0 decoded completely, 1 nothing decoded (usage, unreadable or rejected file,
// write error), 2 output written but the movie is damaged (details on standard error).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "smk/movie.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: smkdec FILE --info\n"
               "       smkdec FILE --video OUT      (RGB24 frames; OUT may be -)\n"
               "       smkdec FILE --audio N OUT    (track N = 0..6 of the header)\n");
  return 1;
}

const char* codecName(smk::AudioCodec c) {
  switch (c) {
    case smk::AudioCodec::None:
      return "none";
    case smk::AudioCodec::Pcm:
      return "pcm";
    case smk::AudioCodec::SmackerDpcm:
      return "smacker";
    case smk::AudioCodec::BinkRdft:
      return "bink-rdft";
    case smk::AudioCodec::BinkDct:
      return "bink-dct";
  }
  return "none";
}

void printInfo(const smk::Header& h) {
  const char* yScale = h.yScale == smk::YScale::Doubled      ? "doubled"
                       : h.yScale == smk::YScale::Interlaced ? "interlaced"
                                                             : "none";
  std::printf("{\n  \"signature\": \"%s\",\n", h.version == smk::Version::Smk4 ? "SMK4" : "SMK2");
  std::printf("  \"width\": %u,\n  \"height\": %u,\n", h.width, h.height);
  std::printf("  \"frames\": %u,\n  \"ring_frame\": %s,\n  \"stored_frames\": %u,\n", h.frames,
              h.ringFrame ? "true" : "false", h.storedFrames);
  std::printf("  \"frame_rate_field\": %d,\n  \"frame_duration_10us\": %u,\n  \"fps\": %.6f,\n",
              h.frameRateField, h.frameDuration, 100000.0 / h.frameDuration);
  std::printf(
      "  \"flags\": %u,\n  \"y_interlaced\": %s,\n  \"y_doubled\": %s,\n  \"y_scale\": \"%s\",\n",
      h.flags, (h.flags & 2) ? "true" : "false", (h.flags & 4) ? "true" : "false", yScale);
  std::printf("  \"trees_size\": %u,\n  \"tree_sizes\": [%u, %u, %u, %u],\n", h.treesSize,
              h.treeSizeFields[0], h.treeSizeFields[1], h.treeSizeFields[2], h.treeSizeFields[3]);
  std::printf("  \"audio_tracks\": [");
  bool first = true;
  for (int k = 0; k < smk::limits::kAudioTracks; ++k) {
    const smk::AudioTrack& t = h.audio[k];
    if (!t.present()) continue;
    std::printf(
        "%s\n    {\"track\": %d, \"codec\": \"%s\", \"rate\": %u, \"channels\": %u, \"bits\": %u, "
        "\"packed\": %s, "
        "\"raw\": \"0x%08x\", \"max_chunk_bytes\": %u}",
        first ? "" : ",", k, codecName(t.codec), t.rate, t.channels, t.bitsPerSample,
        t.codec == smk::AudioCodec::SmackerDpcm ? "true" : "false", t.rawRate, t.maxChunkBytes);
    first = false;
  }
  std::printf("%s]\n}\n", first ? "" : "\n  ");
}

class Output {
 public:
  explicit Output(const char* path) : toStdout_(std::strcmp(path, "-") == 0) {
    file_ = toStdout_ ? stdout : std::fopen(path, "wb");
  }
  ~Output() {
    if (file_ && !toStdout_) std::fclose(file_);
  }
  bool ok() const { return file_ != nullptr && !failed_; }
  void write(const void* data, size_t n) {
    if (file_ && n && std::fwrite(data, 1, n, file_) != n) failed_ = true;
  }
  bool finish() {
    if (file_ && std::fflush(file_) != 0) failed_ = true;
    return ok();
  }

 private:
  bool toStdout_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const char* path = argv[1];
  const std::string mode = argv[2];
  int track = -1;
  const char* outPath = nullptr;
  if (mode == "--info") {
    if (argc != 3) return usage();
  } else if (mode == "--video") {
    if (argc != 4) return usage();
    outPath = argv[3];
  } else if (mode == "--audio") {
    if (argc != 5) return usage();
    char* end = nullptr;
    long n = std::strtol(argv[3], &end, 10);
    if (*argv[3] == '\0' || *end != '\0' || n < 0 || n >= smk::limits::kAudioTracks) {
      std::fprintf(stderr, "smkdec: audio track must be 0..6, not '%s'\n", argv[3]);
      return 1;
    }
    track = static_cast<int>(n);
    outPath = argv[4];
  } else {
    return usage();
  }

  auto movie = smk::Movie::open(path);
  if (!movie) {
    std::fprintf(stderr, "smkdec: %s: %s\n", path, movie.error().describe().c_str());
    return 1;
  }
  const smk::Header& h = movie->header();
  if (mode == "--info") {
    printInfo(h);
    return 0;
  }
  if (track >= 0) {
    const smk::AudioTrack& t = h.audio[track];
    if (!t.present()) {
      std::fprintf(stderr, "smkdec: %s: the movie has no audio track %d\n", path, track);
      return 1;
    }
    if (!t.decodable()) {
      std::fprintf(stderr,
                   "smkdec: %s: audio track %d uses a codec this decoder does not support (%s)\n",
                   path, track, codecName(t.codec));
      return 1;
    }
  }

  Output out(outPath);
  if (!out.ok()) {
    std::fprintf(stderr, "smkdec: cannot write %s\n", outPath);
    return 1;
  }
  std::vector<uint8_t> rgb(size_t{h.width} * h.height * 3);
  bool damaged = false;
  while (const smk::Frame* f = movie->decodeNextFrame()) {
    if (f->damage) {
      damaged = true;
      std::fprintf(stderr, "smkdec: %s: %s\n", path, f->damage->describe().c_str());
    }
    if (track >= 0) {
      out.write(f->audio[track].data(), f->audio[track].size());
    } else if (f->hasPicture) {
      const smk::Picture& pic = f->picture;
      const smk::Palette& pal = *f->palette;
      uint8_t* o = rgb.data();
      for (uint32_t y = 0; y < pic.height; ++y) {
        const uint8_t* row = pic.pixels + size_t{y} * pic.pitch;
        for (uint32_t x = 0; x < pic.width; ++x, o += 3) {
          const smk::Rgb c = pal[row[x]];
          o[0] = c.r;
          o[1] = c.g;
          o[2] = c.b;
        }
      }
      out.write(rgb.data(), rgb.size());
    }
    if (f->layoutBroken) break;  // FFmpeg's tool stops reading the file here too
  }
  if (!out.finish()) {
    std::fprintf(stderr, "smkdec: error writing %s\n", outPath);
    return 1;
  }
  return damaged ? 2 : 0;
}
