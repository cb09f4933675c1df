// artgen: draws the selector panel's button bitmaps and the program icon, and composes the
// panel pictures shown in the documentation.
//
//   artgen draw RESDIR             writes RESDIR/bitmaps/*.bmp and RESDIR/channels.ico
//   artgen compose RESDIR DOCSDIR  reads the bitmaps back and writes DOCSDIR/remote-normal.png
//                                  and DOCSDIR/remote-pressed.png (twice the real size)
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "base/png_file.h"
#include "button_bitmaps.h"
#include "colour_table.h"
#include "dib_file.h"
#include "icon_art.h"
#include "remote_art.h"

namespace artgen {
namespace {

constexpr int kDocsScale = 2;
constexpr int kDocsGap = 10;  // between the copies of the remote in remote-pressed.png

IndexedImage cut(const std::vector<uint8_t>& remote, const ColourTable& colours,
                 const ButtonBitmap& b) {
  IndexedImage image{b.width, kButtonHeight, {}, colours};
  for (int y = b.top; y < b.top + kButtonHeight; ++y) {
    const auto row = remote.begin() + static_cast<std::ptrdiff_t>(y) * kRemoteWidth + b.left;
    image.indexes.insert(image.indexes.end(), row, row + b.width);
  }
  return image;
}

void draw(const std::string& resDir) {
  std::map<LitButton, Picture> remotes;
  std::vector<const Picture*> all;
  for (LitButton lit : {LitButton::None, LitButton::Quit, LitButton::Key1, LitButton::Key2,
                        LitButton::Key3, LitButton::Key4}) {
    remotes[lit] = drawRemote(lit);
    all.push_back(&remotes[lit]);
  }
  const ColourTable colours = buildColourTable(all);
  for (const ButtonBitmap& b : kButtonBitmaps) {
    const Picture& remote = remotes[b.pressed ? b.button : LitButton::None];
    writeBmp(resDir + "/bitmaps/" + b.fileName, cut(toIndexes(remote, colours), colours, b));
  }

  const std::vector<uint8_t> icon = buildIcon();
  std::ofstream file(resDir + "/channels.ico", std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
  if (!file.flush()) throw std::runtime_error(resDir + "/channels.ico: cannot write file");
}

// An RGB canvas that bitmaps are pasted into at kDocsScale times their size.
struct Canvas {
  int width, height;
  std::vector<uint8_t> rgb;
  Canvas(int w, int h)
      : width(w * kDocsScale), height(h * kDocsScale), rgb(std::size_t(width) * height * 3) {}

  void paste(const IndexedImage& image, int left, int top) {
    for (int y = 0; y < image.height * kDocsScale; ++y) {
      for (int x = 0; x < image.width * kDocsScale; ++x) {
        const Rgb8 c =
            image
                .colours[image.indexes[std::size_t(y / kDocsScale) * image.width + x / kDocsScale]];
        uint8_t* p = &rgb[(std::size_t(top * kDocsScale + y) * width + left * kDocsScale + x) * 3];
        p[0] = c.r, p[1] = c.g, p[2] = c.b;
      }
    }
  }
};

void savePng(const std::string& path, const Canvas& canvas) {
  const std::string error =
      base::writePng(path, canvas.width, canvas.height, base::PngFormat::Rgb, canvas.rgb);
  if (!error.empty()) throw std::runtime_error(error);
}

void compose(const std::string& resDir, const std::string& docsDir) {
  std::map<int, IndexedImage> images;
  for (const ButtonBitmap& b : kButtonBitmaps) {
    const std::string path = resDir + "/bitmaps/" + b.fileName;
    IndexedImage image = readBmp(path);
    if (image.width != b.width || image.height != kButtonHeight)
      throw std::runtime_error(path + ": unexpected size");
    images[b.resourceNumber] = std::move(image);
  }

  Canvas normal(kRemoteWidth, kRemoteHeight);
  for (const ButtonBitmap& b : kButtonBitmaps)
    if (!b.pressed) normal.paste(images[b.resourceNumber], b.left, b.top);
  savePng(docsDir + "/remote-normal.png", normal);

  Canvas pressed(5 * kRemoteWidth + 4 * kDocsGap, kRemoteHeight);
  int copy = 0;
  for (const ButtonBitmap& lit : kButtonBitmaps) {
    if (!lit.pressed) continue;
    const int origin = copy++ * (kRemoteWidth + kDocsGap);
    for (const ButtonBitmap& b : kButtonBitmaps)
      if (!b.pressed && b.button != lit.button)
        pressed.paste(images[b.resourceNumber], origin + b.left, b.top);
    pressed.paste(images[lit.resourceNumber], origin + lit.left, lit.top);
  }
  savePng(docsDir + "/remote-pressed.png", pressed);
}

}  // namespace
}  // namespace artgen

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "draw") {
      artgen::draw(args[1]);
    } else if (args.size() == 3 && args[0] == "compose") {
      artgen::compose(args[1], args[2]);
    } else {
      std::fprintf(stderr, "usage: artgen draw RESDIR\n       artgen compose RESDIR DOCSDIR\n");
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
