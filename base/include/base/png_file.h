// Writing pictures as PNG files: the documentation pictures, the demo disc's stills and the
// headless screenshots all go through here.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace base {

enum class PngFormat { Rgb, Rgba };  // three or four 8-bit channels a pixel

// Writes width x height pixels, rows top to bottom. Returns an empty string on success, else
// why the file was not written (a file cut short is removed).
[[nodiscard]] std::string writePng(const std::string& path, int width, int height, PngFormat format,
                                   std::span<const uint8_t> pixels);

}  // namespace base
