// Where a movie's bytes come from: a file read piece by piece, or memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace smk::detail {

class Source {
 public:
  virtual ~Source() = default;
  // The size when the source was opened.
  virtual uint64_t size() const = 0;
  // Copies up to n bytes from offset; returns how many were read (fewer at the end of the
  // data or when the file shrank or cannot be read).
  virtual size_t read(uint64_t offset, uint8_t* dst, size_t n) = 0;
};

// nullptr when the file cannot be opened or its size determined (or memory runs out).
std::unique_ptr<Source> openFileSource(const std::string& path);
std::unique_ptr<Source> memorySource(std::span<const uint8_t> bytes);
std::unique_ptr<Source> ownedMemorySource(std::vector<uint8_t>&& bytes);

}  // namespace smk::detail
