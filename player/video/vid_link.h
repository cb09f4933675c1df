// What the movie and buffer halves of the library tell each other: which buffer a movie
// draws into, whether its movie has a frame to show, and the blits of a frame step.
#pragma once

#include "events.h"
#include "vid.h"

namespace vid {

// The open buffer whose pixel memory is `pixels`, or null.
VidBuffer* bufferWithPixels(const void* pixels);
// Ties (or, with null, unties) the movie that draws into `buffer`.
void setBufferMovie(VidBuffer* buffer, VidMovie* movie);
VidMovie* bufferMovie(const VidBuffer* buffer);

// The movie's buffer was closed.
void forgetBuffer(VidMovie* movie);
// The movie has a current frame it can show.
bool movieHasFrame(const VidMovie* movie);
// A blit of the movie's buffer drew `rect` on the screen (counted for the frame being shown).
void movieDrew(VidMovie* movie, const ScreenRect& rect);
// The window VidSetWindow named.
HWND movieWindow();

}  // namespace vid
