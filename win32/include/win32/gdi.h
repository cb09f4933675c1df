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
