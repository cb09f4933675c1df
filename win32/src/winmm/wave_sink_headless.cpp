// The headless sound device. It plays while it has data: the position moves at exactly the
// rate on the program's clock, stops when the data runs out, and starts again with the next
// write.
#include "platform/program_clock.h"
#include "wave_sink.h"

namespace win32 {
namespace {

class HeadlessWaveSink : public WaveSink {
 public:
  explicit HeadlessWaveSink(const WAVEFORMATEX& format)
      : rate_(format.nSamplesPerSec), blockAlign_(format.nBlockAlign) {}

  void Write(const uint8_t*, uint32_t bytes) override {
    Update();
    if (!playing_) {
      playing_ = true;
      startTime_ = ClockNow();
      startFrames_ = played_;
    }
    written_ += bytes / blockAlign_;
  }

  uint64_t PlayedFrames() override {
    Update();
    return played_;
  }

  void Reset() override {
    playing_ = false;
    played_ = 0;
    written_ = 0;
  }

 private:
  void Update() {
    if (!playing_) return;
    uint64_t elapsed = static_cast<uint64_t>(ClockNow() - startTime_);
    played_ = startFrames_ + elapsed * rate_ / kClockTicksPerSecond;
    if (played_ >= written_) {  // ran dry
      played_ = written_;
      playing_ = false;
    }
  }

  uint64_t rate_;
  uint32_t blockAlign_;
  uint64_t written_ = 0;  // frames
  uint64_t played_ = 0;
  bool playing_ = false;
  int64_t startTime_ = 0;  // when the current stretch of playing began
  uint64_t startFrames_ = 0;
};

}  // namespace

std::unique_ptr<WaveSink> OpenHeadlessWaveSink(const WAVEFORMATEX& format) {
  return std::make_unique<HeadlessWaveSink>(format);
}

}  // namespace win32
