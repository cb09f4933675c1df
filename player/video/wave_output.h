// The movie's sound on the wave mapper: a fixed ring of sample memory and of WAVEHDRs that
// the device hands back when played, so memory stays the same however long the movie is.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "audio_mix.h"
#include "win32_api.h"

namespace vid {

class WaveOutput {
 public:
  WaveOutput() = default;
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;
  ~WaveOutput();

  // false when there is no sound device (or it refuses the format): the movie plays silent.
  bool open(const StreamFormat& format);
  bool isOpen() const { return device_ != nullptr; }

  // Queues sample frames (interleaved 16-bit); waits for the device only when the ring is
  // full.
  void write(std::span<const int16_t> samples);
  // Sample frames the device has played.
  uint64_t position();
  // Some sound is queued and not yet played.
  bool playing();
  // Waits until the queued sound has played (bounded by its length plus a margin, and by a
  // device that stops moving).
  void finish();
  // Stops at once and closes the device.
  void close();

 private:
  static constexpr size_t kHeaders = 128;
  // Hands played headers back; true when one came back.
  bool reclaim();

  HWAVEOUT device_ = nullptr;
  StreamFormat format_;
  std::vector<int16_t> ring_;  // a few seconds of sound
  std::array<WAVEHDR, kHeaders> headers_{};
  size_t oldest_ = 0, queued_ = 0;  // headers in the device, from oldest_ on
  size_t head_ = 0, used_ = 0;      // ring samples: next write position, samples in the device
  uint64_t written_ = 0;            // sample frames written
};

}  // namespace vid
