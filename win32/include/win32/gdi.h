// GDI: device contexts and their capabilities.
#pragma once

#include "types.h"

#define BITSPIXEL 12
#define PLANES 14
#define RASTERCAPS 38
#define SIZEPALETTE 104
#define NUMRESERVED 106

#define RC_PALETTE 0x0100

int WINAPI GetDeviceCaps(HDC dc, int index);

#define HORZRES 8
#define VERTRES 10
#define RC_BITBLT 0x0001
#define RC_BITMAP64 0x0008
#define RC_DI_BITMAP 0x0080
#define RC_DIBTODEV 0x0200
#define RC_STRETCHBLT 0x0800
#define RC_STRETCHDIB 0x2000
