// The full-screen movie window: black wherever no picture is, shows the frames the playback
// loop draws, turns a character key or a left click into an interruption, repaints the
// current picture and realises the movie's palette when the window system asks.
#pragma once

#include "video/vid.h"
#include "win32_api.h"

// The movie window; kept after it is destroyed, until the next one is made.
extern HWND g_hMovieWnd;

// Shared with the playback loop: the movie being played and its buffer (null when none is
// open), whether the backdrop has been painted during this movie, and whether the user
// interrupted it.
extern VidBuffer* g_movieBuf;
extern VidMovie* g_movie;
extern int g_backdropDone;
extern int g_movieInterrupted;

// The window procedure of the "KulvoMovie" class.
LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the full-screen movie window; 1 when it exists, 0 when it cannot be made.
int CreateMovieWindow();

// Destroys the movie window; the platform's result, or 0 when there is none.
int DestroyMovieWindow();

// Redraws the whole current picture at the window's top-left corner, when a repaint is due.
void PaintMovieFrame(HWND window);
