// The readers behind Movie::open and Movie::openMemory: a file read piece by piece, or memory.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "smk/reader.h"

namespace smk::detail {

// nullptr when the file cannot be opened or its size determined (or memory runs out).
std::unique_ptr<Reader> openFileReader(const std::string& path);
std::unique_ptr<Reader> memoryReader(std::span<const uint8_t> bytes);
std::unique_ptr<Reader> ownedMemoryReader(std::vector<uint8_t>&& bytes);

}  // namespace smk::detail
