// waveOut on the headless device: it plays at exactly its rate on the virtual clock.
#include <gtest/gtest.h>

#include <vector>

#include "win32_api.h"

namespace {

WAVEFORMATEX Pcm(DWORD rate, WORD channels, WORD bits) {
  WAVEFORMATEX f{};
  f.wFormatTag = WAVE_FORMAT_PCM;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.wBitsPerSample = bits;
  f.nBlockAlign = static_cast<WORD>(channels * bits / 8);
  f.nAvgBytesPerSec = rate * f.nBlockAlign;
  return f;
}

DWORD Samples(HWAVEOUT w) {
  MMTIME time{};
  time.wType = TIME_SAMPLES;
  EXPECT_EQ(waveOutGetPosition(w, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.wType, static_cast<UINT>(TIME_SAMPLES));
  return time.u.sample;
}

struct Buffer {
  std::vector<char> data;
  WAVEHDR header{};
  Buffer(HWAVEOUT w, size_t bytes) : data(bytes, 0) {
    header.lpData = data.data();
    header.dwBufferLength = static_cast<DWORD>(bytes);
    EXPECT_EQ(waveOutPrepareHeader(w, &header, sizeof header), MMSYSERR_NOERROR);
  }
  void Write(HWAVEOUT w) { ASSERT_EQ(waveOutWrite(w, &header, sizeof header), MMSYSERR_NOERROR); }
  bool Done() const { return header.dwFlags & WHDR_DONE; }
  bool Queued() const { return header.dwFlags & WHDR_INQUEUE; }
};

TEST(WaveOut, PlaysAtItsRateStopsWhenDryAndGoesOnWithMore) {
  WAVEFORMATEX format = Pcm(22050, 1, 8);
  HWAVEOUT w = nullptr;
  ASSERT_EQ(waveOutOpen(&w, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
  Buffer a(w, 2205), b(w, 2205);  // 100 ms each
  EXPECT_EQ(Samples(w), 0u);
  a.Write(w);
  b.Write(w);
  EXPECT_TRUE(a.Queued());
  Sleep(50);
  EXPECT_EQ(Samples(w), 1102u);  // 22050 x 0.05, whole frames
  EXPECT_FALSE(a.Done());
  Sleep(50);
  EXPECT_TRUE(a.Done());  // marked while the program slept
  EXPECT_FALSE(a.Queued());
  EXPECT_FALSE(b.Done());
  EXPECT_EQ(Samples(w), 2205u);
  Sleep(500);  // runs dry after 100 ms
  EXPECT_EQ(Samples(w), 4410u);
  EXPECT_TRUE(b.Done());
  a.Write(w);  // starts again from here
  Sleep(20);
  EXPECT_EQ(Samples(w), 4410u + 441u);
  EXPECT_EQ(waveOutClose(w), static_cast<MMRESULT>(WAVERR_STILLPLAYING));
  EXPECT_EQ(waveOutUnprepareHeader(w, &a.header, sizeof a.header),
            static_cast<MMRESULT>(WAVERR_STILLPLAYING));
  // Reset: everything done at once, the position back to 0.
  EXPECT_EQ(waveOutReset(w), MMSYSERR_NOERROR);
  EXPECT_TRUE(a.Done());
  EXPECT_EQ(Samples(w), 0u);
  Sleep(100);
  EXPECT_EQ(Samples(w), 0u);
  EXPECT_EQ(waveOutUnprepareHeader(w, &a.header, sizeof a.header), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutWrite(w, &a.header, sizeof a.header), static_cast<MMRESULT>(WAVERR_UNPREPARED));
  EXPECT_EQ(waveOutClose(w), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutReset(w), static_cast<MMRESULT>(MMSYSERR_INVALHANDLE));
}

TEST(WaveOut, PositionInBytesAndMillisecondsFollowsTheFormat) {
  WAVEFORMATEX format = Pcm(44100, 2, 16);
  HWAVEOUT w = nullptr;
  ASSERT_EQ(waveOutOpen(&w, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
  Buffer a(w, 44100 * 4);
  a.Write(w);
  Sleep(250);
  MMTIME time{};
  time.wType = TIME_BYTES;
  waveOutGetPosition(w, &time, sizeof time);
  EXPECT_EQ(time.u.cb, 11025u * 4);
  time.wType = TIME_MS;
  waveOutGetPosition(w, &time, sizeof time);
  EXPECT_EQ(time.u.ms, 250u);
  waveOutReset(w);
  EXPECT_EQ(waveOutClose(w), MMSYSERR_NOERROR);
}

TEST(WaveOut, OpenRefusesWhatItCannotPlay) {
  struct Case {
    UINT device;
    WAVEFORMATEX format;
    DWORD flags;
    MMRESULT result;
  } cases[] = {
      {WAVE_MAPPER, Pcm(11025, 1, 12), CALLBACK_NULL, WAVERR_BADFORMAT},
      {WAVE_MAPPER, Pcm(11025, 6, 16), CALLBACK_NULL, WAVERR_BADFORMAT},
      {WAVE_MAPPER, Pcm(0, 1, 8), CALLBACK_NULL, WAVERR_BADFORMAT},
      {WAVE_MAPPER, Pcm(11025, 1, 8), 0x00030000L /* a callback function */, MMSYSERR_INVALFLAG},
      {7, Pcm(11025, 1, 8), CALLBACK_NULL, MMSYSERR_BADDEVICEID},
  };
  for (const Case& c : cases) {
    HWAVEOUT w = nullptr;
    EXPECT_EQ(waveOutOpen(&w, c.device, &c.format, 0, 0, c.flags), c.result);
    EXPECT_EQ(w, nullptr);
  }
  WAVEFORMATEX adpcm = Pcm(11025, 1, 8);
  adpcm.wFormatTag = 2;
  HWAVEOUT w = nullptr;
  EXPECT_EQ(waveOutOpen(&w, WAVE_MAPPER, &adpcm, 0, 0, CALLBACK_NULL),
            static_cast<MMRESULT>(WAVERR_BADFORMAT));
  EXPECT_EQ(timeBeginPeriod(1), static_cast<MMRESULT>(TIMERR_NOERROR));
  EXPECT_EQ(timeEndPeriod(1), static_cast<MMRESULT>(TIMERR_NOERROR));
}

}  // namespace
