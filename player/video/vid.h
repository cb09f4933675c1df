// The video library: opens, paces, decodes and draws Smacker movies through fifteen
// operations. The caller reads the fields of VidMovie and VidBuffer and never writes them;
// both are released only by VidClose and VidBufClose.
//
// Per movie the caller runs VidSetWindow, VidOpen, VidBufOpen, VidSetTarget; per frame
// VidWaitPending until it gives 0, VidBufReady, VidBufPalette and VidRemap when NewPalette is
// set, VidDecode, VidNextRect and VidBufBlit in turn, VidAdvance unless the frame was the
// last; then VidBufClose and VidClose. VidBufBlit and VidBufRealize also serve repaints and
// palette messages while a buffer is open.
#pragma once

#include <cstdint>

#include "win32_api.h"

struct VidMovie {
  uint32_t Width;       // pixels
  uint32_t Height;      // as displayed: twice the coded height for Y-doubled and interlaced movies
  uint32_t Frames;      // without the ring frame, which is never shown
  uint32_t NewPalette;  // nonzero when the current, not yet decoded frame brings a palette
  const uint8_t* Palette;  // 256 x (r, g, b): the palette of the current frame
  uint32_t FrameNum;       // the current frame, from 0
  uint32_t LastRectx, LastRecty, LastRectw, LastRecth;  // filled by VidNextRect
  struct VidMovieState* state;
};

struct VidBuffer {
  uint8_t Reversed;         // 0: the rows are top-down (the only layout)
  uint32_t Width, Height;   // the width is a multiple of 4 (the rows of a DIB)
  void* Buffer;             // Width x Height pixels of 8 bits, top-down
  void* PalTable;           // the buffer's palette, 256 x (r, g, b)
  uint32_t SurfaceType;     // 8: bits a pixel, for VidNextRect
  uint32_t RemapA, RemapB;  // the entries of PalTable the movie may use: first and count
  struct VidBufferState* state;
};

// The window that buffers without one of their own realise their palette in.
void VidSetWindow(HWND window);
// Opens a movie; bit 13 + i of trackMask plays sound track i, flags is not used (-1). Null
// when the file is missing, unreadable or not a movie this library plays.
VidMovie* VidOpen(const char* path, uint32_t trackMask, int32_t flags);
// A buffer of at least width x height (the larger of each size and its virtual one); mode 0.
VidBuffer* VidBufOpen(HWND window, uint32_t mode, uint16_t width, uint16_t height,
                      uint16_t virtualWidth, uint16_t virtualHeight);
// Decoding writes each frame into `pixels` (width x height, top-down) with its top-left at
// (x, y); pixels of an open buffer tie the movie to that buffer.
void VidSetTarget(VidMovie* movie, uint32_t x, uint32_t y, uint32_t width, uint32_t height,
                  void* pixels, uint8_t reversed);
// Nonzero while the current frame is not yet due; when it is not, the thread sleeps until it
// is due or a message arrives.
uint32_t VidWaitPending(VidMovie* movie);
// 0 when the buffer's movie has no frame left to show (its end or a damaged file).
uint16_t VidBufReady(VidBuffer* buffer);
void VidBufPalette(VidBuffer* buffer, const uint8_t* palette, uint32_t flags);
void VidRemap(VidMovie* movie, const void* paletteTable, uint32_t a, uint32_t b);
void VidDecode(VidMovie* movie);
// Nonzero when LastRect* hold one more changed rectangle of the decoded frame (buffer
// coordinates); the first frame and frames with a palette are changed as a whole.
uint32_t VidNextRect(VidMovie* movie, uint32_t surfaceType);
// Draws the buffer's rectangle (rx, ry, rw, rh) with the buffer's top-left at (x, y); 0 when
// drawn.
uint16_t VidBufBlit(VidBuffer* buffer, HDC dc, int x, int y, int rx, int ry, int rw, int rh);
void VidAdvance(VidMovie* movie);
// Realises the buffer's palette in its window: the number of entries changed.
uint16_t VidBufRealize(VidBuffer* buffer);
void VidBufClose(VidBuffer* buffer);
void VidClose(VidMovie* movie);
