#include "icon_file.h"

#include "resource.h"

namespace rcpack {

std::vector<IconImage> readIconFile(const Bytes& file, const std::string& fileName) {
  auto fail = [&](const std::string& why) { return ScriptError(fileName + ": " + why); };
  if (file.size() < 6 || base::readLe16(&file[0]) != 0 || base::readLe16(&file[2]) != 1)
    throw fail("not an icon file");
  const uint32_t count = base::readLe16(&file[4]);
  if (count == 0) throw fail("icon file holds no images");
  if (file.size() < 6 + std::size_t{count} * 16) throw fail("icon directory is cut short");

  std::vector<IconImage> images;
  for (uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + std::size_t{i} * 16;
    IconImage image{file[entry],
                    file[entry + 1],
                    file[entry + 2],
                    base::readLe16(&file[entry + 4]),
                    base::readLe16(&file[entry + 6]),
                    {}};
    // The resource compiler would guess these from the image; we insist on them being written.
    if (image.planes == 0 || image.bitCount == 0)
      throw fail("image " + std::to_string(i + 1) + " has no planes or bit count in the directory");
    const uint32_t size = base::readLe32(&file[entry + 8]),
                   offset = base::readLe32(&file[entry + 12]);
    if (size == 0 || offset > file.size() || size > file.size() - offset)
      throw fail("image " + std::to_string(i + 1) + " lies outside the file");
    image.data.assign(file.begin() + offset, file.begin() + offset + size);
    images.push_back(std::move(image));
  }
  return images;
}

Bytes buildIconGroup(const std::vector<IconImage>& images, uint16_t firstId) {
  Bytes out;
  base::appendLe16(out, 0);  // reserved
  base::appendLe16(out, 1);  // icons
  base::appendLe16(out, static_cast<uint16_t>(images.size()));
  uint32_t id = firstId;
  for (const IconImage& image : images) {
    out.push_back(image.width);
    out.push_back(image.height);
    out.push_back(image.colourCount);
    out.push_back(0);
    base::appendLe16(out, image.planes);
    base::appendLe16(out, image.bitCount);
    base::appendLe32(out, static_cast<uint32_t>(image.data.size()));
    base::appendLe16(out, id++);
  }
  return out;
}

}  // namespace rcpack
