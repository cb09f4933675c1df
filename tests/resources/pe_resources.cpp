#include "pe_resources.h"

#include <stdexcept>

#include "base/little_endian.h"

namespace channels_test {

namespace {

class PeFile {
 public:
  explicit PeFile(const std::vector<uint8_t>& file) : file_(file) {}

  // A little-endian field of 2 or 4 bytes.
  uint32_t get(std::size_t at, int bytes) const {
    if (at > file_.size() || static_cast<std::size_t>(bytes) > file_.size() - at)
      throw std::runtime_error("read past the end of the file");
    return bytes == 2 ? base::readLe16(&file_[at]) : base::readLe32(&file_[at]);
  }

  // The file offset of a relative virtual address, through the section table.
  std::size_t offsetOf(uint32_t rva) const {
    const std::size_t pe = get(0x3C, 4);
    if (get(pe, 4) != 0x00004550) throw std::runtime_error("no PE signature");
    const std::size_t sections = get(pe + 6, 2);
    const std::size_t table = pe + 24 + get(pe + 20, 2);
    for (std::size_t i = 0; i < sections; ++i) {
      const std::size_t s = table + i * 40;
      const uint32_t virtualAddress = get(s + 12, 4), rawSize = get(s + 16, 4),
                     rawOffset = get(s + 20, 4);
      if (rva >= virtualAddress && rva - virtualAddress < rawSize)
        return rawOffset + (rva - virtualAddress);
    }
    throw std::runtime_error("address outside every section");
  }

  std::vector<uint8_t> bytes(std::size_t at, std::size_t size) const {
    if (at > file_.size() || size > file_.size() - at)
      throw std::runtime_error("data past the end of the file");
    return {file_.begin() + static_cast<std::ptrdiff_t>(at),
            file_.begin() + static_cast<std::ptrdiff_t>(at + size)};
  }

 private:
  const std::vector<uint8_t>& file_;
};

// The entries of one resource directory: (id, offset from the section start, is a directory).
struct DirectoryEntry {
  uint16_t id;
  uint32_t offset;
  bool isDirectory;
};

std::vector<DirectoryEntry> entries(const PeFile& pe, std::size_t base, uint32_t directory) {
  const std::size_t at = base + directory;
  const uint32_t named = pe.get(at + 12, 2), numbered = pe.get(at + 14, 2);
  if (named != 0) throw std::runtime_error("named resources are not expected");
  std::vector<DirectoryEntry> list;
  for (uint32_t i = 0; i < numbered; ++i) {
    const uint32_t name = pe.get(at + 16 + i * 8, 4), target = pe.get(at + 20 + i * 8, 4);
    list.push_back({static_cast<uint16_t>(name), target & 0x7FFFFFFF, (target & 0x80000000) != 0});
  }
  return list;
}

}  // namespace

std::vector<PeResource> readPeResources(const std::vector<uint8_t>& file) {
  const PeFile pe(file);
  if (pe.get(0, 2) != 0x5A4D) throw std::runtime_error("not an MZ executable");
  const std::size_t header = pe.get(0x3C, 4);
  const std::size_t optional = header + 24;
  if (pe.get(optional, 2) != 0x10B) throw std::runtime_error("not a 32-bit PE file");
  // Data directory 2 (resources) of the PE32 optional header.
  const uint32_t resourceRva = pe.get(optional + 96 + 2 * 8, 4);
  if (resourceRva == 0) return {};
  const std::size_t base = pe.offsetOf(resourceRva);

  std::vector<PeResource> resources;
  for (const DirectoryEntry& type : entries(pe, base, 0)) {
    if (!type.isDirectory) throw std::runtime_error("malformed resource directory");
    for (const DirectoryEntry& name : entries(pe, base, type.offset)) {
      if (!name.isDirectory) throw std::runtime_error("malformed resource directory");
      for (const DirectoryEntry& language : entries(pe, base, name.offset)) {
        if (language.isDirectory) throw std::runtime_error("malformed resource directory");
        const std::size_t entry = base + language.offset;
        const uint32_t dataRva = pe.get(entry, 4), size = pe.get(entry + 4, 4);
        resources.push_back({type.id, name.id, language.id, pe.bytes(pe.offsetOf(dataRva), size)});
      }
    }
  }
  return resources;
}

}  // namespace channels_test
