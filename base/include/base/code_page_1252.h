// Code page 1252, the "ANSI" code page of Western Windows: all of the system's 8-bit text is in
// it, and it meets Unicode (UTF-16 resources, UTF-8 logs and fonts) only through these functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The character a byte stands for. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the C1 control characters of the same value, as Windows'
// MultiByteToWideChar converts them, so every byte survives a round trip.
char16_t fromCodePage1252(uint8_t byte);

// The byte for a character, or nothing when the code page has no byte for it (callers that must
// produce text put '?' there, as WideCharToMultiByte does).
std::optional<uint8_t> toCodePage1252(char32_t c);

// 8-bit text to UTF-8.
std::string codePage1252ToUtf8(std::string_view text);

}  // namespace base
