// Reading a Smacker movie frame by frame.
//
//   auto movie = smk::Movie::open("INTRO.SMK");  // or openMemory(bytes), open(std::move(reader))
//   if (!movie) { report(movie.error().describe()); return; }
//   while (const smk::Frame* f = movie->decodeNextFrame()) {
//     if (f->hasPicture) show(f->picture, *f->palette, f->rects);
//     for (int t = 0; t < 7; ++t) queue(t, f->audio[t]);
//   }
//   movie->rewind();                                     // back to frame 0
//
// Output matches FFmpeg's Smacker decoders bit for bit, damaged frames included: a frame whose
// video data is damaged has no picture (hasPicture false, damage says why) but its audio is
// delivered; a frame whose palette or audio framing is broken reports that in damage too, and
// the next call reads the next frame at its own offset; a file cut short, or a read that fails,
// ends the movie after the frame it cuts (damage says which).
//
// All buffers are allocated by open(): decoding a frame allocates nothing (an audio chunk
// larger than the header's per-track hint grows that track's buffer once, within the limit).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "smk/error.h"
#include "smk/header.h"
#include "smk/reader.h"

namespace smk {

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};
using Palette = std::array<Rgb, 256>;

// 8-bit palette indices, width x height (the coded size; see Header::yScale for display).
struct Picture {
  const uint8_t* pixels = nullptr;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t pitch = 0;  // bytes from one row to the next
};

struct Rect {
  uint32_t x, y, width, height;
  bool operator==(const Rect&) const = default;
};

struct Frame {
  uint32_t index = 0;  // 0 .. storedFrames-1 (the ring frame is the last)
  // false: keep showing the previous picture. The picture buffer may already hold some blocks
  // of this frame (they show through later SKIP blocks, as in FFmpeg): do not draw from it.
  bool hasPicture = false;
  bool paletteChanged = false;  // the frame carried a palette chunk: redraw everything
  Picture picture;              // the picture buffer (valid until the next call)
  const Palette* palette = nullptr;
  // Areas rewritten since the last frame that had a picture (one rectangle per run of rows
  // with the same changed columns), clipped to the picture.
  std::span<const Rect> rects;
  // Decoded samples of this frame's chunk per track: unsigned 8-bit, or signed 16-bit
  // little-endian; stereo interleaved left, right. Empty when the frame has none.
  std::array<std::span<const uint8_t>, limits::kAudioTracks> audio{};
  // What could not be decoded in this frame (video data, palette, an audio chunk, the file
  // ending inside the frame); the rest of the frame is still delivered.
  std::optional<Error> damage;
  // The frame chunk itself is broken (palette or audio chunk framing, or the file ends inside
  // it), so part of it could not even be located. FFmpeg's command-line tool stops reading a
  // file at such a frame; this reader goes on with the next frame (or ends, when the file does).
  bool layoutBroken = false;
};

class Movie {
 public:
  // Streams from a file: only the header, tables and trees are read here; each frame is read
  // when it is decoded.
  static Result<Movie> open(const std::string& path);
  // Reads from memory the caller keeps alive and unchanged while the Movie exists.
  static Result<Movie> openMemory(std::span<const uint8_t> bytes);
  // Reads from memory the Movie takes over.
  static Result<Movie> openMemory(std::vector<uint8_t>&& bytes);
  // Streams from the caller's reader, which the Movie takes over (nullptr: an Io error).
  static Result<Movie> open(std::unique_ptr<Reader> reader);

  Movie(Movie&&) noexcept;
  Movie& operator=(Movie&&) noexcept;
  ~Movie();

  const Header& header() const;

  // The next stored frame, or nullptr after the last one (or after the frame the file ends
  // in). The Frame and its buffers stay valid until the next call to decodeNextFrame/rewind.
  const Frame* decodeNextFrame();

  // Back to frame 0 with a black palette and an all-zero picture.
  Status rewind();

 private:
  struct Impl;
  explicit Movie(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace smk
