// The blit buffer: pixel memory, its palette (a copy, a DIB colour table and a logical
// palette), and drawing it into a device context.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "vid.h"
#include "vid_link.h"
#include "win32_handles.h"

struct VidBufferState {
  HWND window = nullptr;
  std::vector<uint8_t> pixels;
  std::array<uint8_t, 768> palette{};
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } dib{};
  vid::PaletteHandle logical;
  VidMovie* movie = nullptr;
};

namespace {

std::vector<VidBuffer*>& openBuffers() {
  static std::vector<VidBuffer*> buffers;
  return buffers;
}

bool paletteDevice(HDC dc) { return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0; }

HWND windowOf(const VidBuffer* buffer) {
  return buffer->state->window ? buffer->state->window : vid::movieWindow();
}

// The logical palette selected and realised in a context, put back when done.
class SelectedPalette {
 public:
  SelectedPalette(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette) previous_ = SelectPalette(dc, palette, FALSE);
    if (previous_) changed_ = RealizePalette(dc);
  }
  ~SelectedPalette() {
    if (previous_) SelectPalette(dc_, previous_, TRUE);
  }
  UINT changed() const { return changed_ == GDI_ERROR ? 0 : changed_; }

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
  UINT changed_ = 0;
};

}  // namespace

namespace vid {

VidBuffer* bufferWithPixels(const void* pixels) {
  for (VidBuffer* b : openBuffers())
    if (pixels && b->Buffer == pixels) return b;
  return nullptr;
}

void setBufferMovie(VidBuffer* buffer, VidMovie* movie) { buffer->state->movie = movie; }

VidMovie* bufferMovie(const VidBuffer* buffer) { return buffer->state->movie; }

}  // namespace vid

VidBuffer* VidBufOpen(HWND window, uint32_t /*mode*/, uint16_t width, uint16_t height,
                      uint16_t virtualWidth, uint16_t virtualHeight) {
  // DIB rows are whole 32-bit words.
  const uint32_t w = (std::max(width, virtualWidth) + 3u) & ~3u;
  const uint32_t h = std::max(height, virtualHeight);
  if (w == 0 || h == 0) return nullptr;
  std::unique_ptr<VidBuffer> buffer(new (std::nothrow) VidBuffer{});
  std::unique_ptr<VidBufferState> state(new (std::nothrow) VidBufferState);
  if (!buffer || !state) return nullptr;
  try {
    state->pixels.assign(size_t{w} * h, 0);
    openBuffers().reserve(openBuffers().size() + 1);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  state->window = window;
  BITMAPINFOHEADER& bi = state->dib.header;
  bi.biSize = sizeof(BITMAPINFOHEADER);
  bi.biWidth = static_cast<LONG>(w);
  bi.biPlanes = 1;
  bi.biBitCount = 8;
  bi.biCompression = BI_RGB;
  bi.biClrUsed = 256;
  buffer->Reversed = 0;
  buffer->Width = w;
  buffer->Height = h;
  buffer->Buffer = state->pixels.data();
  buffer->PalTable = state->palette.data();
  buffer->SurfaceType = 8;
  buffer->RemapA = 0;
  buffer->RemapB = 256;
  buffer->state = state.release();
  openBuffers().push_back(buffer.get());
  return buffer.release();
}

void VidBufPalette(VidBuffer* buffer, const uint8_t* palette, uint32_t /*flags*/) {
  if (!buffer || !palette) return;
  VidBufferState& s = *buffer->state;
  std::memcpy(s.palette.data(), palette, s.palette.size());
  struct {
    WORD version, count;
    PALETTEENTRY entries[256];
  } logical{0x300, 256, {}};
  for (int i = 0; i < 256; ++i) {
    const uint8_t* c = palette + 3 * i;
    s.dib.colours[i] = RGBQUAD{c[2], c[1], c[0], 0};
    logical.entries[i] = PALETTEENTRY{c[0], c[1], c[2], 0};
  }
  s.logical = vid::PaletteHandle(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical)));
}

uint16_t VidBufBlit(VidBuffer* buffer, HDC dc, int x, int y, int rx, int ry, int rw, int rh) {
  if (!buffer || !dc) return 1;
  VidBufferState& s = *buffer->state;
  const int left = std::max(rx, 0), top = std::max(ry, 0);
  const int right = static_cast<int>(std::min<int64_t>(int64_t{rx} + rw, buffer->Width));
  const int bottom = static_cast<int>(std::min<int64_t>(int64_t{ry} + rh, buffer->Height));
  if (left >= right || top >= bottom) return 0;
  const int width = right - left, height = bottom - top;
  SelectedPalette selected(dc, paletteDevice(dc) ? s.logical.get() : nullptr);
  // The rows of the rectangle as a DIB of their own: source row 0 is the rectangle's top
  // whichever way a system counts the rows of a top-down DIB.
  s.dib.header.biHeight = -height;
  const uint8_t* rows = s.pixels.data() + size_t(top) * buffer->Width;
  const int drawn =
      StretchDIBits(dc, x + left, y + top, width, height, left, 0, width, height, rows,
                    reinterpret_cast<const BITMAPINFO*>(&s.dib), DIB_RGB_COLORS, SRCCOPY);
  if (drawn == 0 || drawn == static_cast<int>(GDI_ERROR)) return 1;
  if (VidMovie* movie = s.movie) vid::movieDrew(movie, {x + left, y + top, width, height});
  return 0;
}

uint16_t VidBufRealize(VidBuffer* buffer) {
  if (!buffer || !buffer->state->logical) return 0;
  const HWND window = windowOf(buffer);
  HDC dc = GetDC(window);
  if (!dc) return 0;
  UINT changed = 0;
  if (paletteDevice(dc)) {
    SelectedPalette selected(dc, buffer->state->logical.get());
    changed = selected.changed();
  }
  ReleaseDC(window, dc);
  return static_cast<uint16_t>(changed);
}

uint16_t VidBufReady(VidBuffer* buffer) {
  if (!buffer) return 0;
  const VidMovie* movie = buffer->state->movie;
  return !movie || vid::movieHasFrame(movie) ? 1 : 0;
}

void VidBufClose(VidBuffer* buffer) {
  if (!buffer) return;
  auto& buffers = openBuffers();
  buffers.erase(std::remove(buffers.begin(), buffers.end(), buffer), buffers.end());
  if (VidMovie* movie = buffer->state->movie) vid::forgetBuffer(movie);
  delete buffer->state;
  delete buffer;
}
