// The ten button bitmaps: which piece of the remote each one is and which file holds it.
#pragma once

#include <array>

#include "remote_art.h"

namespace artgen {

struct ButtonBitmap {
  int resourceNumber;
  const char* fileName;  // inside res/bitmaps/
  bool pressed;
  LitButton button;
  int left, top, width;  // the piece of the 140 x 210 remote; every piece is 70 high
};

constexpr int kButtonHeight = 70;

constexpr std::array<ButtonBitmap, 10> kButtonBitmaps{{
    {261, "quit-pressed.bmp", true, LitButton::Quit, 0, 140, 140},
    {262, "quit.bmp", false, LitButton::Quit, 0, 140, 140},
    {263, "key1-pressed.bmp", true, LitButton::Key1, 0, 0, 70},
    {264, "key1.bmp", false, LitButton::Key1, 0, 0, 70},
    {265, "key2-pressed.bmp", true, LitButton::Key2, 70, 0, 70},
    {266, "key2.bmp", false, LitButton::Key2, 70, 0, 70},
    {267, "key3-pressed.bmp", true, LitButton::Key3, 0, 70, 70},
    {268, "key3.bmp", false, LitButton::Key3, 0, 70, 70},
    {269, "key4-pressed.bmp", true, LitButton::Key4, 70, 70, 70},
    {270, "key4.bmp", false, LitButton::Key4, 70, 70, 70},
}};

}  // namespace artgen
