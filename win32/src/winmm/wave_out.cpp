// Sound output through the wave mapper, for PCM sound with no callbacks. Written buffers are
// played in order; a buffer is marked done once the device has played past its end, which is
// noticed in each waveOut call and after each wait of the program.
#include <deque>
#include <memory>
#include <set>

#include "platform/program_clock.h"
#include "platform/settings.h"
#include "wave_sink.h"

namespace win32 {
namespace {

struct WaveOut {
  WAVEFORMATEX format;
  std::unique_ptr<WaveSink> sink;
  struct Queued {
    LPWAVEHDR header;
    uint64_t end;  // byte offset of its end in what was written since the last reset
  };
  std::deque<Queued> queue;
  uint64_t written = 0;

  uint64_t PlayedBytes() { return sink->PlayedFrames() * format.nBlockAlign; }

  void MarkPlayed() {
    uint64_t played = PlayedBytes();
    while (!queue.empty() && queue.front().end <= played) {
      Done(queue.front().header);
      queue.pop_front();
    }
  }

  static void Done(LPWAVEHDR header) {
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
  }
};

std::set<WaveOut*>& Open() {
  static std::set<WaveOut*> open;
  return open;
}

WaveOut* Find(HWAVEOUT handle) {
  auto* w = reinterpret_cast<WaveOut*>(handle);
  return Open().count(w) ? w : nullptr;
}

bool Playable(const WAVEFORMATEX* f) {
  return f->wFormatTag == WAVE_FORMAT_PCM && (f->nChannels == 1 || f->nChannels == 2) &&
         (f->wBitsPerSample == 8 || f->wBitsPerSample == 16) && f->nSamplesPerSec > 0 &&
         f->nBlockAlign == f->nChannels * f->wBitsPerSample / 8;
}

}  // namespace
}  // namespace win32

using win32::Find;
using win32::WaveOut;

MMRESULT WINAPI waveOutOpen(LPHWAVEOUT waveOut, UINT deviceId, LPCWAVEFORMATEX format, DWORD_PTR,
                            DWORD_PTR, DWORD flags) {
  if (deviceId != WAVE_MAPPER && deviceId != 0) return MMSYSERR_BADDEVICEID;
  if (!waveOut || !format) return MMSYSERR_INVALPARAM;
  if (flags != CALLBACK_NULL) return MMSYSERR_INVALFLAG;
  if (!win32::Playable(format)) return WAVERR_BADFORMAT;
  std::unique_ptr<win32::WaveSink> sink = win32::CurrentSettings().backend == "headless"
                                              ? win32::OpenHeadlessWaveSink(*format)
                                              : win32::OpenSdlWaveSink(*format);
  if (!sink) return MMSYSERR_NODRIVER;
  static const bool listening = [] {
    win32::AddTimeListener([] {
      for (WaveOut* w : win32::Open()) w->MarkPlayed();
    });
    return true;
  }();
  (void)listening;
  auto* w = new WaveOut{*format, std::move(sink), {}, 0};
  win32::Open().insert(w);
  *waveOut = reinterpret_cast<HWAVEOUT>(w);
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutPrepareHeader(HWAVEOUT waveOut, LPWAVEHDR header, UINT size) {
  if (!Find(waveOut)) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags |= WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutUnprepareHeader(HWAVEOUT waveOut, LPWAVEHDR header, UINT size) {
  WaveOut* w = Find(waveOut);
  if (!w) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  w->MarkPlayed();
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags &= ~WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutWrite(HWAVEOUT waveOut, LPWAVEHDR header, UINT size) {
  WaveOut* w = Find(waveOut);
  if (!w) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  w->MarkPlayed();
  header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
  // Only whole sample frames play.
  uint32_t bytes = header->dwBufferLength - header->dwBufferLength % w->format.nBlockAlign;
  w->sink->Write(reinterpret_cast<const uint8_t*>(header->lpData), bytes);
  w->written += bytes;
  w->queue.push_back({header, w->written});
  w->MarkPlayed();  // an empty buffer is done at once
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutGetPosition(HWAVEOUT waveOut, LPMMTIME time, UINT size) {
  WaveOut* w = Find(waveOut);
  if (!w) return MMSYSERR_INVALHANDLE;
  if (!time || size < sizeof(MMTIME)) return MMSYSERR_INVALPARAM;
  w->MarkPlayed();
  uint64_t frames = w->sink->PlayedFrames();
  switch (time->wType) {
    case TIME_SAMPLES:
      time->u.sample = static_cast<DWORD>(frames);
      break;
    case TIME_MS:
      time->u.ms = static_cast<DWORD>(frames * 1000 / w->format.nSamplesPerSec);
      break;
    default:  // other formats are given in bytes, as the mapper does
      time->wType = TIME_BYTES;
      time->u.cb = static_cast<DWORD>(frames * w->format.nBlockAlign);
  }
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutReset(HWAVEOUT waveOut) {
  WaveOut* w = Find(waveOut);
  if (!w) return MMSYSERR_INVALHANDLE;
  w->sink->Reset();
  for (const WaveOut::Queued& q : w->queue) WaveOut::Done(q.header);
  w->queue.clear();
  w->written = 0;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutClose(HWAVEOUT waveOut) {
  WaveOut* w = Find(waveOut);
  if (!w) return MMSYSERR_INVALHANDLE;
  w->MarkPlayed();
  if (!w->queue.empty()) return WAVERR_STILLPLAYING;
  win32::Open().erase(w);
  delete w;
  return MMSYSERR_NOERROR;
}
