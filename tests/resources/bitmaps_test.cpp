// The ten button bitmaps: their fixed layout, their shared colour table, and the remote control
// they form when laid out as the selector panel lays them out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "res/resource_ids.h"
#include "resource_bytes.h"

namespace {

using channels_test::field;
using channels_test::loadResource;

constexpr std::size_t kPixels = 1064;  // where the panel takes the pixels from
constexpr int kHeight = 70;

// Each button's piece of the 140 x 210 remote.
struct Piece {
  uint16_t normal, pressed;
  int left, top, width;
};
constexpr Piece kPieces[5] = {
    {IDB_QUIT, IDB_QUIT_PRESSED, 0, 140, 140}, {IDB_KEY1, IDB_KEY1_PRESSED, 0, 0, 70},
    {IDB_KEY2, IDB_KEY2_PRESSED, 70, 0, 70},   {IDB_KEY3, IDB_KEY3_PRESSED, 0, 70, 70},
    {IDB_KEY4, IDB_KEY4_PRESSED, 70, 70, 70},
};

std::size_t stride(int width) { return (static_cast<std::size_t>(width) + 3) & ~std::size_t{3}; }

// Palette index at (x, y), y counted from the top; rows are stored bottom-up.
uint8_t pixel(const std::vector<uint8_t>& bitmap, int width, int x, int y) {
  return bitmap.at(kPixels + static_cast<std::size_t>(kHeight - 1 - y) * stride(width) +
                   static_cast<std::size_t>(x));
}

struct Rgb {
  int r, g, b;
};

Rgb colour(const std::vector<uint8_t>& bitmap, uint8_t index) {
  const std::size_t at = 40 + 4 * std::size_t{index};
  return {bitmap[at + 2], bitmap[at + 1], bitmap[at]};
}

int difference(Rgb a, Rgb b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The whole remote as colours, with `lit` (a pressed bitmap) in place of its normal partner.
class Remote {
 public:
  explicit Remote(uint16_t lit = 0) {
    for (const Piece& piece : kPieces) {
      const std::vector<uint8_t> bitmap =
          loadResource(2, piece.pressed == lit ? lit : piece.normal);
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < piece.width; ++x) {
          const uint8_t index = pixel(bitmap, piece.width, x, y);
          indexes_[piece.top + y][piece.left + x] = index;
          colours_[piece.top + y][piece.left + x] = colour(bitmap, index);
        }
    }
  }
  uint8_t index(int x, int y) const { return indexes_[y][x]; }
  Rgb at(int x, int y) const { return colours_[y][x]; }

 private:
  uint8_t indexes_[210][140] = {};
  Rgb colours_[210][140] = {};
};

// Both pictures of every button, by number.
std::vector<std::pair<uint16_t, int>> allBitmaps() {
  std::vector<std::pair<uint16_t, int>> all;
  for (const Piece& piece : kPieces) {
    all.push_back({piece.normal, piece.width});
    all.push_back({piece.pressed, piece.width});
  }
  return all;
}

TEST(ButtonBitmaps, EachHasTheFixedLayout) {
  for (const auto& [id, width] : allBitmaps()) {
    SCOPED_TRACE("bitmap " + std::to_string(id));
    const std::vector<uint8_t> b = loadResource(2, id);
    const uint32_t imageSize = width == 140 ? 9800 : 5040;
    ASSERT_EQ(b.size(), kPixels + imageSize);
    EXPECT_EQ(field(b, 0, 4), 40u);
    EXPECT_EQ(field(b, 4, 4), static_cast<uint32_t>(width));
    EXPECT_EQ(field(b, 8, 4), 70u);  // positive: bottom-up
    EXPECT_EQ(field(b, 12, 2), 1u);
    EXPECT_EQ(field(b, 14, 2), 8u);
    EXPECT_EQ(field(b, 16, 4), 0u);
    EXPECT_EQ(field(b, 20, 4), imageSize);
    EXPECT_EQ(field(b, 24, 4), 0u);
    EXPECT_EQ(field(b, 28, 4), 0u);
    EXPECT_EQ(field(b, 32, 4), 256u);
    EXPECT_EQ(field(b, 36, 4), 256u);
    for (std::size_t entry = 0; entry < 256; ++entry)
      EXPECT_EQ(b[40 + entry * 4 + 3], 0) << "entry " << entry;
    for (std::size_t row = 0; row < kHeight; ++row)
      for (std::size_t pad = static_cast<std::size_t>(width); pad < stride(width); ++pad)
        EXPECT_EQ(b[kPixels + row * stride(width) + pad], 0) << "row " << row;
  }
}

TEST(ButtonBitmaps, ShareOneColourTableWithTheStaticColoursAtBothEnds) {
  const std::vector<uint8_t> first = loadResource(2, IDB_QUIT_PRESSED);
  ASSERT_GE(first.size(), kPixels);
  for (const auto& [id, width] : allBitmaps()) {
    const std::vector<uint8_t> b = loadResource(2, id);
    ASSERT_GE(b.size(), kPixels);
    EXPECT_TRUE(std::equal(first.begin() + 40, first.begin() + kPixels, b.begin() + 40))
        << "bitmap " << id;
  }
  const std::pair<uint8_t, Rgb> statics[20] = {
      {0, {0, 0, 0}},         {1, {128, 0, 0}},     {2, {0, 128, 0}},       {3, {128, 128, 0}},
      {4, {0, 0, 128}},       {5, {128, 0, 128}},   {6, {0, 128, 128}},     {7, {192, 192, 192}},
      {8, {79, 101, 125}},    {9, {166, 202, 240}}, {246, {193, 204, 217}}, {247, {160, 160, 164}},
      {248, {128, 128, 128}}, {249, {255, 0, 0}},   {250, {0, 255, 0}},     {251, {255, 255, 0}},
      {252, {0, 0, 255}},     {253, {255, 0, 255}}, {254, {0, 255, 255}},   {255, {255, 255, 255}},
  };
  for (const auto& [index, expected] : statics) {
    EXPECT_EQ(difference(colour(first, index), expected), 0) << "entry " << int{index};
    for (int entry = 10; entry <= 245; ++entry)
      EXPECT_NE(difference(colour(first, static_cast<uint8_t>(entry)), expected), 0)
          << "entry " << entry << " repeats static entry " << int{index};
  }
}

TEST(ButtonBitmaps, NormalPicturesFormOneRemoteOnBlack) {
  const Remote remote;
  for (int x = 0; x < 140; ++x) {
    EXPECT_EQ(remote.index(x, 0), 0) << "top edge at " << x;
    EXPECT_EQ(remote.index(x, 209), 0) << "bottom edge at " << x;
  }
  for (int y = 0; y < 210; ++y) {
    EXPECT_EQ(remote.index(0, y), 0) << "left edge at " << y;
    EXPECT_EQ(remote.index(139, y), 0) << "right edge at " << y;
  }
  // Every piece shows a good part of the remote.
  for (const Piece& piece : kPieces) {
    int drawn = 0;
    for (int y = piece.top; y < piece.top + kHeight; ++y)
      for (int x = piece.left; x < piece.left + piece.width; ++x) drawn += remote.index(x, y) != 0;
    EXPECT_GT(drawn, piece.width * kHeight / 2) << "bitmap " << piece.normal;
  }
}

// Across a seam between pieces the picture changes no more than between neighbouring rows or
// columns near it, and the outline of the remote runs on without a step.
void expectNoSeams(const Remote& remote, const std::string& what) {
  auto rowStep = [&](int y) {  // between rows y - 1 and y
    long sum = 0;
    for (int x = 0; x < 140; ++x) sum += difference(remote.at(x, y - 1), remote.at(x, y));
    return sum;
  };
  auto columnStep = [&](int x) {  // between columns x - 1 and x, above the QUIT piece
    long sum = 0;
    for (int y = 0; y < 140; ++y) sum += difference(remote.at(x - 1, y), remote.at(x, y));
    return sum;
  };
  auto nearby = [](auto step, int at) {
    return std::max({step(at - 2), step(at - 1), step(at + 1), step(at + 2)});
  };
  for (int y : {70, 140}) {
    EXPECT_LE(rowStep(y), 2 * nearby(rowStep, y) + 140) << what << ": seam above row " << y;
    int outlineSteps = 0;
    for (int x = 0; x < 140; ++x)
      outlineSteps += (remote.index(x, y - 1) == 0) != (remote.index(x, y) == 0);
    EXPECT_LE(outlineSteps, 4) << what << ": outline breaks above row " << y;
  }
  EXPECT_LE(columnStep(70), 2 * nearby(columnStep, 70) + 140) << what << ": seam at column 70";
}

TEST(ButtonBitmaps, PiecesJoinWithoutSeamsInEitherState) {
  expectNoSeams(Remote(), "normal");
  for (const Piece& piece : kPieces)
    expectNoSeams(Remote(piece.pressed), "bitmap " + std::to_string(piece.pressed));
}

TEST(ButtonBitmaps, PressedPicturesLightTheirButtonAndKeepTheirEdges) {
  for (const Piece& piece : kPieces) {
    SCOPED_TRACE("bitmap " + std::to_string(piece.pressed));
    const std::vector<uint8_t> normal = loadResource(2, piece.normal);
    const std::vector<uint8_t> pressed = loadResource(2, piece.pressed);
    int changed = 0;
    long brighter = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < piece.width; ++x) {
        const uint8_t a = pixel(normal, piece.width, x, y), b = pixel(pressed, piece.width, x, y);
        const bool edge = x < 3 || y < 3 || x >= piece.width - 3 || y >= kHeight - 3;
        if (edge) {
          EXPECT_EQ(a, b) << "edge pixel " << x << "," << y
                          << " differs, so the piece would not line up";
        } else if (a != b) {
          ++changed;
          const Rgb ca = colour(normal, a), cb = colour(pressed, b);
          brighter += (cb.r + cb.g + cb.b) - (ca.r + ca.g + ca.b);
        }
      }
    }
    EXPECT_GT(changed, 300) << "the lit button should be plain to see";
    EXPECT_GT(brighter / std::max(changed, 1), 60) << "a lit button is lighter";
  }
}

}  // namespace
