#pragma once

// Warns about a display that is not a palette-based 256-colour one: once per colour depth
// (remembered in Windows/Last Color Depth), or at every start for an 8-bit display without
// palettes. Never stops start-up.
void CheckDisplay();
