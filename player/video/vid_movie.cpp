// The movie: opening, pacing, decoding into the target buffer, the changed rectangles, the
// sound, and the events of what is shown.
#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "audio_mix.h"
#include "buffer_rects.h"
#include "colour_map.h"
#include "events.h"
#include "file_reader.h"
#include "frame_copy.h"
#include "movie_clock.h"
#include "pacing.h"
#include "smk/movie.h"
#include "vid.h"
#include "vid_link.h"
#include "wave_output.h"

struct VidMovieState {
  explicit VidMovieState(smk::Movie m) : movie(std::move(m)) {}

  smk::Movie movie;
  // The current frame, decoded ahead so that its palette is known before VidDecode; null
  // past the end or after a frame that could not be decoded.
  const smk::Frame* frame = nullptr;
  std::array<uint8_t, 768> palette{};
  bool lastShown = false;  // the last frame was decoded into the buffer

  vid::Placement place;
  uint8_t* target = nullptr;
  VidBuffer* buffer = nullptr;
  vid::ColourMap colours;

  std::vector<smk::Rect> rects;  // the decoded frame's changed rectangles, buffer coordinates
  size_t nextRect = 0;
  bool stepOpen = false;  // a decoded frame whose event is not yet reported
  std::vector<vid::ScreenRect> drawn;

  vid::MovieClock clock;
  std::optional<vid::Pacer> pacer;
  vid::AudioMixer mixer;
  vid::WaveOutput sound;
  std::optional<int64_t> soundStart;  // clock ticks at the first write
};

namespace {

HWND g_window = nullptr;

void report(const std::string& line) { OutputDebugStringA(line.c_str()); }

// Decodes the frame FrameNum into the decoder's buffers; a frame with any damage ends the
// movie before it (a file cut short, a failing disc, corrupt data).
void prepareFrame(VidMovie* m) {
  VidMovieState& s = *m->state;
  s.frame = nullptr;
  m->NewPalette = 0;
  if (m->FrameNum >= m->Frames) return;
  const smk::Frame* f = s.movie.decodeNextFrame();
  if (!f || f->damage || !f->hasPicture) return;
  s.frame = f;
  for (size_t i = 0; i < 256; ++i) {
    const smk::Rgb& c = (*f->palette)[i];
    s.palette[3 * i] = c.r;
    s.palette[3 * i + 1] = c.g;
    s.palette[3 * i + 2] = c.b;
  }
  m->NewPalette = m->FrameNum == 0 || f->paletteChanged ? 1 : 0;
}

void reportFrame(VidMovie* m) {
  VidMovieState& s = *m->state;
  if (!s.stepOpen) return;
  s.stepOpen = false;
  report(vid::frameEvent(m->FrameNum, s.drawn, s.pacer->microseconds(s.clock.now())));
}

// Keeps the picture with the sound while the device is playing it.
void followSound(VidMovieState& s) {
  if (!s.soundStart || !s.sound.playing()) return;
  const uint64_t played = s.sound.position();
  const int64_t playedTicks = static_cast<int64_t>(
      played / s.mixer.format().rate * s.clock.frequency() +
      played % s.mixer.format().rate * s.clock.frequency() / s.mixer.format().rate);
  s.pacer->follow(s.clock.now() - *s.soundStart, playedTicks);
}

}  // namespace

namespace vid {

HWND movieWindow() { return g_window; }

bool movieHasFrame(const VidMovie* movie) { return movie->state->frame != nullptr; }

void movieDrew(VidMovie* movie, const ScreenRect& rect) {
  VidMovieState& s = *movie->state;
  if (!s.stepOpen) return;  // a repaint, not the frame step
  try {
    s.drawn.push_back(rect);
  } catch (const std::bad_alloc&) {
  }
}

void forgetBuffer(VidMovie* movie) {
  movie->state->buffer = nullptr;
  movie->state->target = nullptr;
}

}  // namespace vid

void VidSetWindow(HWND window) { g_window = window; }

VidMovie* VidOpen(const char* path, uint32_t trackMask, int32_t /*flags*/) {
  auto opened = smk::Movie::open(path ? vid::openFileReader(path) : nullptr);
  std::unique_ptr<VidMovie> m;
  if (opened) {
    m.reset(new (std::nothrow) VidMovie{});
    if (m) m->state = new (std::nothrow) VidMovieState(std::move(opened.value()));
  }
  if (!m || !m->state || !m->state->clock.start()) {
    if (m) delete m->state;
    report(vid::movieOpenEvent(path, false));
    return nullptr;
  }
  VidMovieState& s = *m->state;
  const smk::Header& h = s.movie.header();
  m->Width = h.width;
  m->Height = h.height * vid::rowFactor(h.yScale);
  m->Frames = h.frames;
  m->Palette = s.palette.data();
  s.place.yScale = h.yScale;
  s.pacer.emplace(s.clock.frequency(), h.frameDuration);
  if (s.mixer.configure(h, trackMask)) s.sound.open(s.mixer.format());
  prepareFrame(m.get());
  if (m->Frames > 0 && !s.frame) {
    // Not even the first frame can be shown.
    delete m->state;
    report(vid::movieOpenEvent(path, false));
    return nullptr;
  }
  // Frame 0 is due now: the time taken to open does not count.
  s.clock.restart();
  report(vid::movieOpenEvent(path, true));
  return m.release();
}

void VidSetTarget(VidMovie* movie, uint32_t x, uint32_t y, uint32_t width, uint32_t height,
                  void* pixels, uint8_t /*reversed*/) {
  if (!movie) return;
  VidMovieState& s = *movie->state;
  if (s.buffer) vid::setBufferMovie(s.buffer, nullptr);
  s.place.x = x;
  s.place.y = y;
  s.place.width = width;
  s.place.height = height;
  s.target = static_cast<uint8_t*>(pixels);
  s.buffer = vid::bufferWithPixels(pixels);
  if (s.buffer) {
    if (VidMovie* other = vid::bufferMovie(s.buffer)) vid::forgetBuffer(other);
    vid::setBufferMovie(s.buffer, movie);
  }
}

uint32_t VidWaitPending(VidMovie* movie) {
  if (!movie || !movie->state->frame) return 0;
  VidMovieState& s = *movie->state;
  const int64_t due = s.pacer->due(movie->FrameNum);
  if (s.clock.now() >= due) return 0;
  s.clock.waitUntil(due);
  return s.clock.now() < due ? 1 : 0;
}

void VidRemap(VidMovie* movie, const void* paletteTable, uint32_t a, uint32_t b) {
  if (!movie || !paletteTable) return;
  VidMovieState& s = *movie->state;
  s.colours =
      vid::ColourMap::match(s.palette.data(), static_cast<const uint8_t*>(paletteTable), a, b);
}

void VidDecode(VidMovie* movie) {
  if (!movie || !movie->state->frame) return;
  VidMovieState& s = *movie->state;
  const smk::Frame& f = *s.frame;
  reportFrame(movie);
  const smk::Rect whole{0, 0, f.picture.width, f.picture.height};
  const bool all = movie->FrameNum == 0 || f.paletteChanged;
  try {
    vid::toBufferRects(all ? std::span<const smk::Rect>(&whole, 1) : f.rects, s.place, s.rects);
    s.drawn.clear();
  } catch (const std::bad_alloc&) {
    s.rects.clear();
  }
  if (s.target) vid::copyRects(f.picture, s.place, s.rects, s.colours, s.target);
  if (s.sound.isOpen()) {
    if (!s.soundStart) s.soundStart = s.clock.now();
    followSound(s);
    try {
      s.sound.write(s.mixer.mix(f.audio));
    } catch (const std::bad_alloc&) {
    }
  }
  s.nextRect = 0;
  s.stepOpen = true;
  s.lastShown = movie->FrameNum + 1 == movie->Frames;
}

uint32_t VidNextRect(VidMovie* movie, uint32_t /*surfaceType*/) {
  if (!movie) return 0;
  VidMovieState& s = *movie->state;
  if (!s.stepOpen || s.nextRect >= s.rects.size()) {
    reportFrame(movie);
    return 0;
  }
  const smk::Rect& r = s.rects[s.nextRect++];
  movie->LastRectx = r.x;
  movie->LastRecty = r.y;
  movie->LastRectw = r.width;
  movie->LastRecth = r.height;
  return 1;
}

void VidAdvance(VidMovie* movie) {
  if (!movie) return;
  reportFrame(movie);
  if (!movie->state->frame) return;
  if (movie->FrameNum < movie->Frames) ++movie->FrameNum;
  prepareFrame(movie);
}

void VidClose(VidMovie* movie) {
  if (!movie) return;
  VidMovieState& s = *movie->state;
  reportFrame(movie);
  uint64_t samples = 0;
  if (s.sound.isOpen()) {
    if (s.lastShown) s.sound.finish();
    samples = s.sound.position();
    s.sound.close();
  }
  report(vid::movieCloseEvent(samples));
  if (s.buffer) vid::setBufferMovie(s.buffer, nullptr);
  delete movie->state;
  delete movie;
}
