// The few characters drawn on the remote control, as pen strokes.
#pragma once

#include <string_view>

#include "shapes.h"

namespace artgen {

// Width of `text` drawn `height` pixels high with `gap` pixels between characters, measured
// between the centres of the outermost strokes.
double textWidth(std::string_view text, double height, double gap);

// `text` (digits 1 to 4 and the capitals Q, U, I, T) centred on `centre`, drawn with a round pen
// `penWidth` pixels wide. Throws std::invalid_argument for any other character.
Shape text(std::string_view text, Vec2 centre, double height, double penWidth, double gap);

}  // namespace artgen
