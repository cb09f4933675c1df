// WINMM: sound output through the wave mapper, and the timer resolution.
#pragma once

#include "types.h"

typedef UINT MMRESULT;
DECLARE_WIN32_HANDLE(HWAVEOUT);
typedef HWAVEOUT* LPHWAVEOUT;

#define MMSYSERR_NOERROR 0
#define MMSYSERR_ERROR 1
#define MMSYSERR_BADDEVICEID 2
#define MMSYSERR_INVALHANDLE 5
#define MMSYSERR_NODRIVER 6
#define MMSYSERR_NOMEM 7
#define MMSYSERR_INVALFLAG 10
#define MMSYSERR_INVALPARAM 11
#define WAVERR_BADFORMAT 32
#define WAVERR_STILLPLAYING 33
#define WAVERR_UNPREPARED 34

#define WAVE_MAPPER ((UINT)-1)
#define CALLBACK_TYPEMASK 0x00070000L
#define CALLBACK_NULL 0x00000000L
#define WAVE_FORMAT_PCM 1

// The format block is byte-packed, as on Windows (18 bytes).
#pragma pack(push, 1)
typedef struct tWAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;
  WORD cbSize;
} WAVEFORMATEX, *LPWAVEFORMATEX;
#pragma pack(pop)
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;

typedef struct wavehdr_tag {
  LPSTR lpData;
  DWORD dwBufferLength;
  DWORD dwBytesRecorded;
  DWORD_PTR dwUser;
  DWORD dwFlags;
  DWORD dwLoops;
  struct wavehdr_tag* lpNext;
  DWORD_PTR reserved;
} WAVEHDR, *LPWAVEHDR;

#define WHDR_DONE 0x00000001
#define WHDR_PREPARED 0x00000002
#define WHDR_INQUEUE 0x00000010

#define TIME_MS 0x0001
#define TIME_SAMPLES 0x0002
#define TIME_BYTES 0x0004

typedef struct mmtime_tag {
  UINT wType;
  union {
    DWORD ms;
    DWORD sample;
    DWORD cb;
    DWORD ticks;
    struct {
      BYTE hour, min, sec, frame, fps, dummy;
      BYTE pad[2];
    } smpte;
    struct {
      DWORD songptrpos;
    } midi;
  } u;
} MMTIME, *LPMMTIME;

MMRESULT WINAPI waveOutOpen(LPHWAVEOUT waveOut, UINT deviceId, LPCWAVEFORMATEX format,
                            DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
MMRESULT WINAPI waveOutPrepareHeader(HWAVEOUT waveOut, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutUnprepareHeader(HWAVEOUT waveOut, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutWrite(HWAVEOUT waveOut, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutGetPosition(HWAVEOUT waveOut, LPMMTIME time, UINT size);
MMRESULT WINAPI waveOutReset(HWAVEOUT waveOut);
MMRESULT WINAPI waveOutClose(HWAVEOUT waveOut);

#define TIMERR_NOERROR 0
#define TIMERR_NOCANDO 97

MMRESULT WINAPI timeBeginPeriod(UINT period);
MMRESULT WINAPI timeEndPeriod(UINT period);
