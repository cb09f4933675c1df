// The one header through which the system and the framework reach the Win32 API.
// On Windows it is the real API; on Linux it is our own subset (win32/), declared in the
// headers below, each for one area of the API.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// GET_X_LPARAM and GET_Y_LPARAM, which the Linux subset declares with the other USER macros.
#include <windowsx.h>
// Sound output (waveOut) and the timer resolution, which the lean <windows.h> leaves out.
#include <mmsystem.h>
// The message crackers (GET_X_LPARAM), which Windows declares apart from <windows.h>.
#else
#include "win32/gdi.h"
#include "win32/kernel.h"
#include "win32/registry.h"
#include "win32/resource.h"
#include "win32/types.h"
#include "win32/user.h"
#include "win32/winmm.h"
#endif
