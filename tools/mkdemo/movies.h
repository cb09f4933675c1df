#pragma once
// The eight movies of the demo disc. Each generator draws its pictures, synthesises its
// sound and encodes the movie.
#include "movie_builder.h"

namespace mkdemo {

DemoMovie make_test_card();     // SMK2 320x240, 1 kHz tone, 16-bit mono
DemoMovie make_countdown();     // SMK2 320x240 film leader with beeps, 8-bit mono
DemoMovie make_plasma();        // SMK4 320x200 palette cycling, ring frame, 16-bit stereo
DemoMovie make_landscape();     // SMK4 640x480 scene, fewer colours, 8-bit stereo
DemoMovie make_starfield();     // SMK2 640x240 Y-doubled, 16-bit mono
DemoMovie make_balls();         // SMK4 320x120 Y-interlaced, 8-bit stereo
DemoMovie make_clock();         // SMK2 800x600 clock, 16-bit stereo 44.1 kHz
DemoMovie make_oscilloscope();  // SMK4 320x240 Lissajous figures of its own sound, 16-bit stereo

}  // namespace mkdemo
