// 8-bit text in code page 1252 (the only one our script uses) to UTF-16.
#pragma once

#include <cstdint>
#include <optional>

namespace rcpack {

constexpr int kCodePage1252 = 1252;

// The character for `byte`, or nothing for the five bytes that code page 1252 leaves undefined.
std::optional<char16_t> fromCodePage1252(uint8_t byte);

}  // namespace rcpack
