#include "wave_output.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vid {

namespace {

constexpr uint32_t kRingSeconds = 4;  // a movie's sound runs about a second ahead of its frames
constexpr DWORD kPollMs = 5;
constexpr DWORD kStallMs = 1000;  // a device whose position stays put this long is stuck

}  // namespace

WaveOutput::~WaveOutput() { close(); }

bool WaveOutput::open(const StreamFormat& format) {
  close();
  WAVEFORMATEX wf{};
  wf.wFormatTag = WAVE_FORMAT_PCM;
  wf.nChannels = format.channels;
  wf.nSamplesPerSec = format.rate;
  wf.wBitsPerSample = 16;
  wf.nBlockAlign = static_cast<WORD>(2 * format.channels);
  wf.nAvgBytesPerSec = format.rate * wf.nBlockAlign;
  try {
    ring_.assign(size_t{format.rate} * format.channels * kRingSeconds, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &wf, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    ring_ = {};
    return false;
  }
  device_ = device;
  format_ = format;
  oldest_ = queued_ = head_ = used_ = 0;
  written_ = 0;
  return true;
}

bool WaveOutput::reclaim() {
  bool any = false;
  while (queued_ > 0 && (headers_[oldest_].dwFlags & WHDR_DONE)) {
    WAVEHDR& h = headers_[oldest_];
    waveOutUnprepareHeader(device_, &h, sizeof h);
    used_ -= h.dwBufferLength / sizeof(int16_t);
    h = WAVEHDR{};
    oldest_ = (oldest_ + 1) % kHeaders;
    --queued_;
    any = true;
  }
  return any;
}

void WaveOutput::write(std::span<const int16_t> samples) {
  if (!device_) return;
  const size_t frame = format_.channels;
  samples = samples.first(samples.size() / frame * frame);
  DWORD stalled = 0;
  while (!samples.empty()) {
    reclaim();
    // Whole sample frames that fit before the ring wraps or fills.
    size_t room = std::min(ring_.size() - head_, ring_.size() - used_);
    room = std::min(room, samples.size()) / frame * frame;
    if (room == 0 || queued_ == kHeaders) {
      if (stalled >= kStallMs) return;  // the device stopped taking sound: drop the rest
      Sleep(kPollMs);
      stalled += kPollMs;
      continue;
    }
    stalled = 0;
    std::memcpy(ring_.data() + head_, samples.data(), room * sizeof(int16_t));
    WAVEHDR& h = headers_[(oldest_ + queued_) % kHeaders];
    h = WAVEHDR{};
    h.lpData = reinterpret_cast<LPSTR>(ring_.data() + head_);
    h.dwBufferLength = static_cast<DWORD>(room * sizeof(int16_t));
    if (waveOutPrepareHeader(device_, &h, sizeof h) != MMSYSERR_NOERROR) return;
    if (waveOutWrite(device_, &h, sizeof h) != MMSYSERR_NOERROR) {
      waveOutUnprepareHeader(device_, &h, sizeof h);
      return;
    }
    ++queued_;
    used_ += room;
    head_ = (head_ + room) % ring_.size();
    written_ += room / frame;
    samples = samples.subspan(room);
  }
}

uint64_t WaveOutput::position() {
  if (!device_) return 0;
  MMTIME t{};
  t.wType = TIME_SAMPLES;
  if (waveOutGetPosition(device_, &t, sizeof t) != MMSYSERR_NOERROR) return 0;
  if (t.wType == TIME_SAMPLES) return t.u.sample;
  if (t.wType == TIME_BYTES) return t.u.cb / (2u * format_.channels);
  return 0;
}

bool WaveOutput::playing() {
  if (!device_) return false;
  reclaim();
  return queued_ > 0;
}

void WaveOutput::finish() {
  if (!device_) return;
  uint64_t last = position();
  // The queued sound's length and a second more.
  const uint64_t left = written_ > last ? written_ - last : 0;
  DWORD budget = static_cast<DWORD>(std::min<uint64_t>(left * 1000 / format_.rate, 600000)) + 1000;
  DWORD still = 0;
  while (playing() && budget > 0 && still < kStallMs) {
    Sleep(kPollMs);
    budget = budget > kPollMs ? budget - kPollMs : 0;
    const uint64_t now = position();
    still = now == last ? still + kPollMs : 0;
    last = now;
  }
}

void WaveOutput::close() {
  if (!device_) return;
  waveOutReset(device_);
  for (WAVEHDR& h : headers_) {
    if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &h, sizeof h);
    h = WAVEHDR{};
  }
  waveOutClose(device_);
  device_ = nullptr;
  ring_ = {};
  oldest_ = queued_ = head_ = used_ = 0;
}

}  // namespace vid
