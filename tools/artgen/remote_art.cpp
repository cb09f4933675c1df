// The remote control, described as shapes and colours. Light falls from the top left.
//
//   y   3..134  upper body: purple casing with a violet rim and an orange pinstripe, a red
//               infrared window at the top, four round keys in orange bezels, digits engraved
//   y 108..162  narrow green neck with two grip grooves, partly under the upper body
//   y 146..206  lower body: teal turning dark green, with the green QUIT plate
//
// Everything else is black, with at least three black pixels to every edge of the picture.
// Every key lies inside its own 70 x 70 tile, so a lit key never reaches a neighbouring tile,
// and no edge of the drawing runs along a tile boundary.
#include "remote_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "glyphs.h"

namespace artgen {

namespace {

// Casing.
constexpr Rgb kOutline = hex(0x140a1c);
constexpr Rgb kCaseTop = hex(0x7a3cb4);     // violet near the top
constexpr Rgb kCaseBottom = hex(0x4c1f78);  // deep purple further down
constexpr Rgb kPinstripe = hex(0xf2902c);
constexpr Rgb kWindow = hex(0x5a0c14);  // dark red infrared window
constexpr Rgb kWindowGlint = hex(0xd04a50);
constexpr Rgb kNeckGreen = hex(0x1f7a58);
constexpr Rgb kBaseTeal = hex(0x177478);
constexpr Rgb kBaseGreen = hex(0x145a2c);
// Channel keys.
constexpr Rgb kWell = hex(0x24083a);
constexpr Rgb kBezel = hex(0xec7e1e);
constexpr Rgb kKeyFace = hex(0xc94a8c);
constexpr Rgb kKeyFaceLit = hex(0xffdcec);
constexpr Rgb kDigit = hex(0x3c0c2c);
constexpr Rgb kDigitLit = hex(0x8a3a64);
// QUIT plate.
constexpr Rgb kPlateGroove = hex(0x0a2a14);
constexpr Rgb kPlate = hex(0x2f9a40);
constexpr Rgb kPlateLit = hex(0x74ec6c);
constexpr Rgb kLetters = hex(0x1c6a2c);
constexpr Rgb kLettersLit = hex(0xf0ffe8);

constexpr double kKeyRadius = 18.5;
constexpr double kBezelRadius = 23;
constexpr Vec2 kKeyCentres[4] = {{37, 41}, {103, 41}, {37, 101}, {103, 101}};

using Fill = std::function<Rgb(Vec2)>;

Fill flat(Rgb colour) {
  return [=](Vec2) { return colour; };
}

Fill vertical(Rgb top, double topY, Rgb bottom, double bottomY) {
  return [=](Vec2 p) { return mix(top, bottom, (p.y - topY) / (bottomY - topY)); };
}

// How much a surface tilted along `normal` faces the light: -1 to 1.
double facing(Vec2 normal) { return -(normal.x + normal.y) / std::sqrt(2.0); }

// A raised surface: its rim, `width` pixels wide, is lit or shaded by the way it faces.
Paint bevelled(Shape shape, Fill fill, double width, double strength) {
  return [=](Vec2 p, Rgb) {
    const double rim = 1 - std::clamp(-shape(p) / width, 0.0, 1.0);
    return shade(fill(p), strength * rim * rim * facing(outwardNormal(shape, p)));
  };
}

Paint solid(Rgb colour) {
  return [=](Vec2, Rgb) { return colour; };
}

// Darkens what is below, most at the shape's centre line and fading out over `soft` pixels.
Paint shadow(Shape shape, double soft, double strength) {
  return [=](Vec2 p, Rgb below) {
    return shade(below, -strength * std::clamp(-shape(p) / soft, 0.0, 1.0));
  };
}

// A glossy round key face, domed towards the light.
Paint dome(Vec2 centre, double radius, Rgb colour, double gloss) {
  return [=](Vec2 p, Rgb) {
    const double x = (p.x - centre.x) / radius, y = (p.y - centre.y) / radius;
    // Surface normal of a flattened dome; light from the upper left and the front.
    const double nx = 0.7 * x, ny = 0.7 * y, nz = std::sqrt(std::max(0.0, 1 - x * x - y * y));
    const double n = std::sqrt(nx * nx + ny * ny + nz * nz);
    const double lx = -0.5, ly = -0.6, lz = 0.62;  // unit length
    const double diffuse = std::max(0.0, (nx * lx + ny * ly + nz * lz) / n);
    const double hx = lx, hy = ly, hz = lz + 1, h = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double shine = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / (n * h)), 40);
    return mix(shade(colour, (diffuse - 0.65) * 0.8), hex(0xFFFFFF), gloss * shine);
  };
}

// A mark cut into a surface: dark at the bottom of the cut, lit on its lower-right wall.
Paint engraved(Shape mark, Rgb dark, Rgb wall) {
  return [=](Vec2 p, Rgb) { return mark({p.x + 0.9, p.y + 0.9}) >= 0 ? wall : dark; };
}

// A mark standing out of a surface: lit on its upper-left edge, shaded on the lower right.
Paint embossed(Shape mark, Rgb colour, double strength) {
  return [=](Vec2 p, Rgb) {
    if (mark({p.x - 0.9, p.y - 0.9}) >= 0) return shade(colour, strength);
    if (mark({p.x + 0.9, p.y + 0.9}) >= 0) return shade(colour, -strength);
    return colour;
  };
}

void addOutlined(Scene& scene, const Shape& shape, Paint fill) {
  scene.push_back({shape, solid(kOutline)});
  scene.push_back({grow(shape, -1.4), std::move(fill)});
}

void addLowerBody(Scene& scene) {
  const Shape neck = roundedBox(36, 108, 104, 162, {0, 0, 0, 0});
  const Shape base = roundedBox(8, 146, 132, 206, {16, 16, 24, 24});
  const Shape body = blendUnite(neck, base, 12);
  const Fill greens = [](Vec2 p) {
    const Rgb upper = mix(kNeckGreen, kBaseTeal, (p.y - 130) / 30);
    return mix(upper, kBaseGreen, (p.y - 165) / 40);
  };
  addOutlined(scene, body, bevelled(body, greens, 6, 0.55));
  // Two grip grooves across the neck.
  for (double y : {142.5, 147.0}) {
    const Shape groove =
        intersect(roundedBox(36, y, 104, y + 1.6, {0.8, 0.8, 0.8, 0.8}), grow(body, -3));
    scene.push_back({groove, shadow(groove, 0.6, 0.45)});
    const Shape lip = intersect(offset(groove, {0, 1.4}), grow(body, -3));
    scene.push_back({lip, [](Vec2, Rgb below) { return shade(below, 0.18); }});
  }
}

void addQuitPlate(Scene& scene, bool lit) {
  const Shape plate = roundedBox(20, 158, 120, 196, {13, 13, 13, 13});
  scene.push_back({grow(plate, 2.2), shadow(grow(plate, 2.2), 2.5, 0.75)});
  scene.push_back({grow(plate, 0.6), solid(kPlateGroove)});
  const Rgb colour = lit ? kPlateLit : kPlate;
  // A pressed plate sits lower: its rim catches less light.
  scene.push_back(
      {plate, bevelled(plate, vertical(shade(colour, 0.12), 160, shade(colour, -0.1), 195), 5,
                       lit ? 0.35 : 0.6)});
  const Shape letters = text("QUIT", {70.5, 177}, 19, 3.8, 6.5);
  scene.push_back({offset(letters, {1.2, 1.4}), shadow(offset(letters, {1.2, 1.4}), 1.2, 0.45)});
  scene.push_back({letters, embossed(letters, lit ? kLettersLit : kLetters, lit ? 0.25 : 0.4)});
}

void addUpperBody(Scene& scene) {
  const Shape body = roundedBox(4, 3, 136, 134, {38, 38, 20, 20});
  addOutlined(scene, body, bevelled(body, vertical(kCaseTop, 5, kCaseBottom, 130), 7, 0.6));
  const Shape stripe = subtract(grow(body, -5.6), grow(body, -6.9));
  scene.push_back({stripe, solid(kPinstripe)});
  // The infrared window at the top, between keys 1 and 2.
  const Shape window = roundedBox(60, 12, 80, 17.5, {2.7, 2.7, 2.7, 2.7});
  scene.push_back({grow(window, 1), solid(kOutline)});
  scene.push_back({window, [=](Vec2 p, Rgb) {
                     return mix(kWindowGlint, kWindow, std::clamp((p.y - 12.5) / 3.0, 0.0, 1.0));
                   }});
}

void addKey(Scene& scene, int number, Vec2 centre, bool lit) {
  const Shape well = circle(centre, kBezelRadius + 1.8);
  scene.push_back({offset(well, {1.5, 1.8}), shadow(offset(well, {1.5, 1.8}), 3, 0.7)});
  const Shape bezel = circle(centre, kBezelRadius);
  scene.push_back({grow(bezel, 1.0), solid(kOutline)});
  scene.push_back({bezel, bevelled(bezel, flat(kBezel), 3.5, 0.55)});
  scene.push_back({circle(centre, kKeyRadius + 1.6), solid(kWell)});
  if (lit) {
    // Pressed: the key sinks a little and glows.
    const Vec2 sunk{centre.x + 0.6, centre.y + 0.8};
    scene.push_back({circle(sunk, kKeyRadius), dome(sunk, kKeyRadius, kKeyFaceLit, 0.35)});
    const Shape digit = text(std::to_string(number), {sunk.x + 0.3, sunk.y}, 18, 3.4, 0);
    scene.push_back({digit, engraved(digit, kDigitLit, shade(kKeyFaceLit, -0.12))});
  } else {
    scene.push_back({circle(centre, kKeyRadius), dome(centre, kKeyRadius, kKeyFace, 0.7)});
    const Shape digit = text(std::to_string(number), {centre.x + 0.3, centre.y}, 18, 3.4, 0);
    scene.push_back({digit, engraved(digit, kDigit, shade(kKeyFace, 0.35))});
  }
}

}  // namespace

Picture drawRemote(LitButton lit) {
  Scene scene;
  addLowerBody(scene);
  addQuitPlate(scene, lit == LitButton::Quit);
  addUpperBody(scene);
  const LitButton keys[4] = {LitButton::Key1, LitButton::Key2, LitButton::Key3, LitButton::Key4};
  for (int i = 0; i < 4; ++i) addKey(scene, i + 1, kKeyCentres[i], lit == keys[i]);
  return render(scene, kRemoteWidth, kRemoteHeight, hex(0x000000));
}

}  // namespace artgen
