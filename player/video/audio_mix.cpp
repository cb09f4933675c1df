#include "audio_mix.h"

#include <algorithm>

namespace vid {

namespace {

int32_t sampleAt(const uint8_t* p, uint8_t bits) {
  if (bits == 8) return (int32_t{p[0]} - 128) * 256;
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

// ceil(a * b / c) for the sample counts of a movie (a * b stays far below 2^64).
uint64_t scaledUp(uint64_t a, uint64_t b, uint64_t c) { return (a * b + c - 1) / c; }

}  // namespace

bool AudioMixer::configure(const smk::Header& header, uint32_t trackMask) {
  tracks_.clear();
  format_ = {};
  for (int i = 0; i < smk::limits::kAudioTracks; ++i) {
    const smk::AudioTrack& t = header.audio[i];
    if (!(trackMask & (1u << (13 + i))) || !t.decodable() || t.rate == 0) continue;
    tracks_.push_back(Track{i, t.rate, t.channels, t.bitsPerSample, 0});
    if (format_.rate == 0) format_.rate = t.rate;
    format_.channels = std::max<uint16_t>(format_.channels, t.channels);
  }
  return !tracks_.empty();
}

size_t AudioMixer::add(Track& track, std::span<const uint8_t> chunk) {
  const size_t frameBytes = size_t{track.channels} * (track.bits / 8);
  const uint64_t n = chunk.size() / frameBytes;
  // Stream frame k takes the track's frame k * rate / format_.rate (nearest below): the
  // frames from ceil(consumed * R / rate) up to ceil((consumed + n) * R / rate) fall in here.
  const uint64_t first = scaledUp(track.consumed, format_.rate, track.rate);
  const uint64_t end = scaledUp(track.consumed + n, format_.rate, track.rate);
  const size_t count = static_cast<size_t>(end - first);
  if (sum_.size() < count * format_.channels) sum_.resize(count * format_.channels, 0);
  for (size_t k = 0; k < count; ++k) {
    const uint64_t source = (first + k) * track.rate / format_.rate - track.consumed;
    const uint8_t* p = chunk.data() + source * frameBytes;
    const int32_t left = sampleAt(p, track.bits);
    const int32_t right = track.channels == 2 ? sampleAt(p + track.bits / 8, track.bits) : left;
    int32_t* out = sum_.data() + k * format_.channels;
    if (format_.channels == 2) {
      out[0] += left;
      out[1] += right;
    } else {
      out[0] += left;
    }
  }
  track.consumed += n;
  return count;
}

std::span<const int16_t> AudioMixer::mix(
    const std::array<std::span<const uint8_t>, smk::limits::kAudioTracks>& chunks) {
  std::fill(sum_.begin(), sum_.end(), 0);
  size_t frames = 0;
  for (Track& t : tracks_) frames = std::max(frames, add(t, chunks[t.index]));
  const size_t samples = frames * format_.channels;
  out_.resize(samples);
  for (size_t i = 0; i < samples; ++i)
    out_[i] = static_cast<int16_t>(std::clamp<int32_t>(sum_[i], -32768, 32767));
  return std::span<const int16_t>(out_.data(), samples);
}

}  // namespace vid
