// Logical palettes and the system palette of a palette-based screen.
#pragma once

#include "device_context.h"
#include "gdi_object.h"

namespace win32 {

// The stock default palette: the twenty static colours.
GdiObject DefaultPaletteObject();

// The device colour a context draws for an RGB colour: on a palette-based screen the system
// palette entry that the context's palette maps the nearest of its colours to, elsewhere the
// colour as the screen's depth shows it.
uint32_t DeviceColor(const DeviceContext& dc, Rgb color);

}  // namespace win32
