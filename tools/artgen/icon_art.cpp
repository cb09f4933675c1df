#include "icon_art.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/little_endian.h"

namespace artgen {

namespace {

// The sixteen colours of the icon, by the letter that stands for each in the maps below.
struct IconColour {
  char letter;
  uint8_t r, g, b;
};
constexpr std::array<IconColour, 16> kColours{{
    {'k', 0, 0, 0},
    {'m', 128, 0, 0},
    {'g', 0, 128, 0},
    {'o', 128, 128, 0},
    {'n', 0, 0, 128},
    {'p', 128, 0, 128},
    {'t', 0, 128, 128},
    {'s', 192, 192, 192},
    {'d', 128, 128, 128},
    {'r', 255, 0, 0},
    {'G', 0, 255, 0},
    {'y', 255, 255, 0},
    {'b', 0, 0, 255},
    {'f', 255, 0, 255},
    {'a', 0, 255, 255},
    {'w', 255, 255, 255},
}};

// '*' is a pixel of static, '.' a transparent pixel; every other letter is a colour above.
// Grey cabinet with a highlight on its upper-left edges, screen in a black bezel, two knobs and
// a speaker grille on the right, antennae with red tips, short feet.
constexpr std::string_view kLarge[32] = {
    "...GGGGGGGGGGGGGGGGGGGGGGGGGGG..", ".GGGGGrrGGGGGGGGGGGGGGGGrrGGGGG.",
    "GGGGGGrrGGGGGGGGGGGGGGGGrrGGGGGG", "GGGGGGGGdGGGGGGGGGGGGGGdGGGGGGGG",
    "GGGGGGGGGdGGGGGGGGGGGGdGGGGGGGGG", "GGGGGGGGGGdGGGGGGGGGGdGGGGGGGGGG",
    "GGGGGGGGGGGdGGGGGGGGdGGGGGGGGGGG", "GGGGGGGGGGGGdGGGGGGdGGGGGGGGGGGG",
    "GGGGGGGGGGGGGdkkkkdGGGGGGGGGGGGG", "GGGGGGGGGGGGkdsssddkGGGGGGGGGGGG",
    "GGkkkkkkkkkkkkkkkkkkkkkkkkkkkkGG", "GGkwwwwwwwwwwwwwwwwwwwwwwwwwskGG",
    "GGkwssssssssssssssssssssssssdkGG", "GGkwskkkkkkkkkkkkkkkkssskkssdkGG",
    "GGkwskk************kksskwdksdkGG", "GGkwsk**************ksskddksdkGG",
    "GGkwsk**************kssskkssdkGG", "GGkwsk**************ksssssssdkGG",
    "GGkwsk**************kssskkssdkGG", "GGkwsk**************ksskwdksdkGG",
    "GGkwsk**************ksskddksdkGG", "GGkwsk**************kssskkssdkGG",
    "GGkwsk**************ksssssssdkGG", "GGkwskk************kkssddddsdkGG",
    "GGkwskkkkkkkkkkkkkkkksssssssdkGG", "GGkwsssssssssssssssssssddddsdkGG",
    "GGksdddddddddddddddddddddddddkGG", "GGkkkkkkkkkkkkkkkkkkkkkkkkkkkkGG",
    "GGGGGkddkGGGGGGGGGGGGGGkddkGGGGG", "GGGGGkkkkGGGGGGGGGGGGGGkkkkGGGGG",
    "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG", "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
};

constexpr std::string_view kSmall[16] = {
    "..GGGGGGGGGGGGG.", "GGGrGGGGGGGGrGGG", "GGGGdGGGGGGdGGGG", "GGGGGdGGGGdGGGGG",
    "GGGGGGdkkdGGGGGG", "GkkkkkkkkkkkkkkG", "GkwwwwwwwwwwwskG", "GkwkkkkkkkkssdkG",
    "Gkwk******kskdkG", "Gkwk******kssdkG", "Gkwk******kskdkG", "Gkwk******kssdkG",
    "GkwkkkkkkkksddkG", "GkddddddddddddkG", "GkkkkkkkkkkkkkkG", "GGkkGGGGGGGGkkGG",
};

// The colours static is made of, mostly greys with a few bright specks.
constexpr std::string_view kStatic = "wwwsssddkkwsdrbygaf";

int colourIndex(char letter) {
  for (std::size_t i = 0; i < kColours.size(); ++i)
    if (kColours[i].letter == letter) return static_cast<int>(i);
  throw std::logic_error(std::string("icon map uses unknown colour '") + letter + "'");
}

// One icon image: header (height doubled for the two masks), colours, 4-bit picture bottom row
// first, then the 1-bit transparency mask.
std::vector<uint8_t> iconImage(const std::string_view* map, int size, uint32_t& noise) {
  const uint32_t pictureStride = ((static_cast<uint32_t>(size) * 4 + 31) / 32) * 4;
  const uint32_t maskStride = ((static_cast<uint32_t>(size) + 31) / 32) * 4;
  std::vector<uint8_t> out;
  base::appendLe32(out, 40);
  base::appendLe32(out, static_cast<uint32_t>(size));
  base::appendLe32(out, static_cast<uint32_t>(size) * 2);
  base::appendLe16(out, 1);
  base::appendLe16(out, 4);
  base::appendLe32(out, 0);
  base::appendLe32(out, (pictureStride + maskStride) * static_cast<uint32_t>(size));
  base::appendLe32(out, 0);
  base::appendLe32(out, 0);
  base::appendLe32(out, 0);
  base::appendLe32(out, 0);
  for (const IconColour& c : kColours) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }

  std::vector<uint8_t> picture(pictureStride * size), mask(maskStride * size);
  for (int y = 0; y < size; ++y) {
    if (map[y].size() != static_cast<std::size_t>(size))
      throw std::logic_error("icon map row " + std::to_string(y) + " is not " +
                             std::to_string(size) + " pixels wide");
    const std::size_t row = static_cast<std::size_t>(size - 1 - y);
    for (int x = 0; x < size; ++x) {
      const char letter = map[y][static_cast<std::size_t>(x)];
      int colour = 0;
      if (letter == '.') {
        mask[row * maskStride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      } else if (letter == '*') {
        noise = noise * 1103515245 + 12345;
        colour = colourIndex(kStatic[(noise >> 16) % kStatic.size()]);
      } else {
        colour = colourIndex(letter);
      }
      picture[row * pictureStride + x / 2] |= static_cast<uint8_t>(x % 2 ? colour : colour << 4);
    }
  }
  out.insert(out.end(), picture.begin(), picture.end());
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

}  // namespace

std::vector<uint8_t> buildIcon() {
  uint32_t noise = 2000;
  const std::vector<uint8_t> large = iconImage(kLarge, 32, noise);
  const std::vector<uint8_t> small = iconImage(kSmall, 16, noise);

  std::vector<uint8_t> out;
  base::appendLe16(out, 0);  // reserved
  base::appendLe16(out, 1);  // icons
  base::appendLe16(out, 2);  // images
  uint32_t offset = 6 + 2 * 16;
  for (const std::vector<uint8_t>* image : {&large, &small}) {
    const uint8_t side = image == &large ? 32 : 16;
    out.push_back(side);
    out.push_back(side);
    out.push_back(16);  // colours
    out.push_back(0);
    base::appendLe16(out, 1);  // planes
    base::appendLe16(out, 4);  // bits per pixel
    base::appendLe32(out, static_cast<uint32_t>(image->size()));
    base::appendLe32(out, offset);
    offset += static_cast<uint32_t>(image->size());
  }
  out.insert(out.end(), large.begin(), large.end());
  out.insert(out.end(), small.begin(), small.end());
  return out;
}

}  // namespace artgen
