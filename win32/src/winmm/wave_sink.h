// Where a wave output's samples go: a device that plays the bytes written to it in order, at
// the format's rate, and counts the sample frames it has played.
#pragma once

#include <cstdint>
#include <memory>

#include "win32_api.h"

namespace win32 {

class WaveSink {
 public:
  virtual ~WaveSink() = default;
  // Queues bytes to play after those written before. The sink copies them.
  virtual void Write(const uint8_t* data, uint32_t bytes) = 0;
  // Sample frames played since the sink was opened or last reset.
  virtual uint64_t PlayedFrames() = 0;
  // Drops what is queued; the count starts again from 0.
  virtual void Reset() = 0;
};

// The headless device: plays at its rate on the program's clock, keeping nothing.
std::unique_ptr<WaveSink> OpenHeadlessWaveSink(const WAVEFORMATEX& format);

// The SDL audio device; null when there is none.
std::unique_ptr<WaveSink> OpenSdlWaveSink(const WAVEFORMATEX& format);

}  // namespace win32
