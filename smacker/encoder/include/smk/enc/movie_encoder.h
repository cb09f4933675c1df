#pragma once
// Builds a complete Smacker file from palette-indexed pictures and PCM audio.
#include <cstdint>
#include <span>
#include <vector>

#include "smk/enc/audio.h"
#include "smk/enc/block_coder.h"
#include "smk/enc/palette.h"
#include "smk/error.h"

namespace smk::enc {

struct MovieSettings {
  unsigned width = 0, height = 0;  // at least 4; columns/rows beyond a multiple of 4 stay colour 0
  int32_t frameRate = 100;         // the header's code: > 0 milliseconds, < 0 units of 10 us
  bool smk4 = false;               // SMK4: FULL blocks may use the DOUBLE and HALF sub-modes
  bool ringFrame = false;    // store a ring frame that leads from the last picture to the first
  bool yInterlaced = false;  // display hints only
  bool yDoubled = false;
  int quality = 100;              // 100 = every picture exactly as given; lower allows block error
  double audioLeadSeconds = 1.0;  // sound delivered with the first frame
};

// The header's frame-rate code for a rate in frames per second (whole milliseconds when exact).
Result<int32_t> frameRateCode(double fps);
// The largest squared RGB error per 4x4 block that a quality (0..100) allows.
uint32_t blockErrorForQuality(int quality);

struct MovieStats {
  size_t frames = 0, paletteChunks = 0;
  size_t blocksByKind[4] = {};  // indexed by format::BlockKind
};

class MovieEncoder {
 public:
  // Fails on settings the format cannot hold (size, frame-rate code).
  static Result<MovieEncoder> create(const MovieSettings& settings);

  // One picture of width*height palette indices shown with `palette`.
  Status addFrame(std::span<const uint8_t> indices, const Palette6& palette);
  // A sound track (up to 7), the whole stream as PCM bytes of `audioFormat`. It starts with the
  // first frame; a stream longer than the movie is delivered in full with the last frame.
  Status addAudio(const AudioFormat& audioFormat, std::vector<uint8_t> pcm);

  // The finished file; the encoder takes nothing more afterwards.
  Result<std::vector<uint8_t>> finish();
  const MovieStats& stats() const { return stats_; }

 private:
  explicit MovieEncoder(const MovieSettings& settings);
  struct Frame {
    std::vector<uint8_t> paletteChunk;  // empty when the palette stays
    FrameSymbols symbols;
  };
  void codePicture(std::span<const uint8_t> indices, const Palette6& palette);
  template <class Visit>
  void walk(const FrameSymbols& f, Visit&& visit) const;

  MovieSettings s_;
  BlockCoder coder_;
  Palette6 lastPalette_{};
  std::vector<uint8_t> firstPicture_;
  Palette6 firstPalette_{};
  std::vector<Frame> frames_;
  struct Track {
    AudioFormat format;
    std::vector<uint8_t> pcm;
  };
  std::vector<Track> tracks_;
  MovieStats stats_;
  bool finished_ = false;
};

}  // namespace smk::enc
