// The SDL audio device. SDL's audio thread takes the bytes from a queue of its own; the
// position is what it has taken less what is likely still in the device's buffer, so it
// follows what is heard. The device buffer is small (about 10 ms) to keep that lag short.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>

#include "platform/program_clock.h"
#include "wave_sink.h"

namespace win32 {
namespace {

class SdlWaveSink : public WaveSink {
 public:
  SdlWaveSink(const WAVEFORMATEX& format, uint8_t silence)
      : rate_(format.nSamplesPerSec), blockAlign_(format.nBlockAlign), silence_(silence) {}

  ~SdlWaveSink() override {
    if (device_) SDL_CloseAudioDevice(device_);  // waits for the audio thread to finish
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  static std::unique_ptr<SdlWaveSink> Open(const WAVEFORMATEX& format) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "channels: no sound: %s\n", SDL_GetError());
      return nullptr;
    }
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(format.nSamplesPerSec);
    want.format = format.wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    want.channels = static_cast<Uint8>(format.nChannels);
    // A power of two near 10 ms of sound.
    Uint16 samples = 64;
    while (samples < format.nSamplesPerSec / 100) samples = static_cast<Uint16>(samples * 2);
    want.samples = samples;
    want.callback = &SdlWaveSink::Fill;
    std::unique_ptr<SdlWaveSink> sink(
        new SdlWaveSink(format, format.wBitsPerSample == 8 ? 0x80 : 0));
    want.userdata = sink.get();
    // SDL converts from the movie's format to the device's.
    sink->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (sink->device_ == 0) {
      std::fprintf(stderr, "channels: no sound: %s\n", SDL_GetError());
      return nullptr;
    }
    SDL_PauseAudioDevice(sink->device_, 0);
    return sink;
  }

  void Write(const uint8_t* data, uint32_t bytes) override {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.insert(queue_.end(), data, data + bytes);
  }

  uint64_t PlayedFrames() override {
    std::lock_guard<std::mutex> lock(mutex_);
    // The last chunk handed over starts to sound about when it is taken.
    uint64_t sinceChunk =
        static_cast<uint64_t>(ClockNow() - chunkTime_) * rate_ / kClockTicksPerSecond;
    uint64_t stillBuffered = chunkFrames_ > sinceChunk ? chunkFrames_ - sinceChunk : 0;
    return takenFrames_ - stillBuffered;
  }

  void Reset() override {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.clear();
    takenFrames_ = 0;
    chunkFrames_ = 0;
  }

 private:
  static void SDLCALL Fill(void* self, Uint8* stream, int length) {
    static_cast<SdlWaveSink*>(self)->Fill(stream, static_cast<size_t>(length));
  }

  void Fill(Uint8* stream, size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    size_t bytes = std::min(length, queue_.size());
    bytes -= bytes % blockAlign_;
    std::copy(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(bytes), stream);
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(bytes));
    std::memset(stream + bytes, silence_, length - bytes);
    chunkFrames_ = bytes / blockAlign_;
    takenFrames_ += chunkFrames_;
    chunkTime_ = ClockNow();
  }

  SDL_AudioDeviceID device_ = 0;
  uint64_t rate_;
  uint32_t blockAlign_;
  uint8_t silence_;
  std::mutex mutex_;
  std::deque<uint8_t> queue_;
  uint64_t takenFrames_ = 0;
  uint64_t chunkFrames_ = 0;
  int64_t chunkTime_ = 0;
};

}  // namespace

std::unique_ptr<WaveSink> OpenSdlWaveSink(const WAVEFORMATEX& format) {
  return SdlWaveSink::Open(format);
}

}  // namespace win32
