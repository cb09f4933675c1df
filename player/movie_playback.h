// Playing one movie full screen in the movie window: the playback loop and its frame step.
#pragma once

#include "win32_api.h"

// The window that held the mouse capture before the movie; null if none.
extern HWND g_hPrevCapture;

// Plays the movie file `name` (a bare name such as "ZOVA3A.SMK") from the disc's DATA folder
// in the movie window until it ends or the user interrupts it. 1 when interrupted; 0 when it
// played to its end or could not be played.
int PlayMovie(const char* name);

// Shows the current frame centred on the screen and makes the next one current; 0 when the
// movie is over (nothing more to show, or the frame just shown was the last).
int StepMovieFrame(HWND window);
