// The movie's sound as one stream: the selected tracks, converted to 16-bit samples at the
// first track's rate with the widest channel count among them, summed and clipped.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "smk/header.h"

namespace vid {

struct StreamFormat {
  uint32_t rate = 0;      // Hz
  uint16_t channels = 0;  // 1 or 2; 16-bit signed samples, interleaved
};

class AudioMixer {
 public:
  // Bit 13 + i of the mask selects track i. Tracks the reader cannot decode are left out.
  // false when no selected track is left: the movie is silent.
  bool configure(const smk::Header& header, uint32_t trackMask);
  const StreamFormat& format() const { return format_; }

  // One frame's chunks (indexed by track) as sample frames of the stream: as long as the
  // longest converted chunk, the shorter ones padded with silence. Valid until the next call.
  std::span<const int16_t> mix(
      const std::array<std::span<const uint8_t>, smk::limits::kAudioTracks>& chunks);

 private:
  struct Track {
    int index = 0;
    uint32_t rate = 0;
    uint8_t channels = 0;
    uint8_t bits = 0;
    uint64_t consumed = 0;  // the track's sample frames so far: keeps resampling in step
  };
  // Adds one chunk of `track` to sum_ from the start; returns its length in stream frames.
  size_t add(Track& track, std::span<const uint8_t> chunk);

  StreamFormat format_;
  std::vector<Track> tracks_;
  std::vector<int32_t> sum_;
  std::vector<int16_t> out_;
};

}  // namespace vid
