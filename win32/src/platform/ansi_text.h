// The system's 8-bit text is in the Windows-1252 ("ANSI") code page; the outside world
// (the event log, SDL, fonts) speaks UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace win32 {

std::string AnsiToUtf8(const std::string& ansi);

// The Unicode code point of one Windows-1252 character.
uint32_t AnsiCodePoint(unsigned char c);

}  // namespace win32
