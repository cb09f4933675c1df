// Palette chunks: each one turns the current palette into a new one (KEEP, COPY from the
// palette as it was before the chunk, LITERAL 6-bit colours).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "smk/movie.h"

namespace smk::detail {

// Applies the palette chunk at the start of `rest` (the frame chunk from the chunk's length
// byte on). Commands are read until 256 entries are covered, even past the chunk's own length
// (as FFmpeg does), but never past `rest`. On success returns nullptr and sets `chunkBytes` to
// the chunk's length; on error the palette is unchanged and the reason is returned.
const char* applyPaletteChunk(std::span<const uint8_t> rest, Palette& palette, size_t& chunkBytes);

}  // namespace smk::detail
