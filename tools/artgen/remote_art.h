// The picture of the remote control that the selector panel is cut from.
#pragma once

#include "scene.h"

namespace artgen {

constexpr int kRemoteWidth = 140;
constexpr int kRemoteHeight = 210;

// Which button is drawn lit (pressed); the rest of the picture is the same in every state.
enum class LitButton { None, Quit, Key1, Key2, Key3, Key4 };

// The whole remote, 140 x 210 pixels, on black.
Picture drawRemote(LitButton lit);

}  // namespace artgen
