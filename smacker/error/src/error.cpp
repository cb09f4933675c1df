#include "smk/error.h"

#include <cinttypes>
#include <cstdio>

namespace smk {

const char* toString(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Truncated:
      return "truncated";
    case ErrorKind::Corrupt:
      return "corrupt";
    case ErrorKind::Unsupported:
      return "unsupported";
    case ErrorKind::TooLarge:
      return "too large";
    case ErrorKind::Io:
      return "I/O error";
    case ErrorKind::Invalid:
      return "invalid";
  }
  return "error";
}

const char* toString(Part part) {
  switch (part) {
    case Part::File:
      return "file";
    case Part::Header:
      return "header";
    case Part::FrameTables:
      return "frame tables";
    case Part::Trees:
      return "Huffman trees";
    case Part::Palette:
      return "palette";
    case Part::Audio:
      return "audio";
    case Part::Video:
      return "video";
    case Part::Settings:
      return "settings";
    case Part::Movie:
      return "movie";
  }
  return "file";
}

std::string Error::describe() const {
  char buf[160];
  int n = std::snprintf(buf, sizeof buf, "%s %s", toString(kind), toString(part));
  if (frame >= 0 && n > 0 && static_cast<size_t>(n) < sizeof buf)
    n += std::snprintf(buf + n, sizeof buf - n, " in frame %" PRId64, frame);
  if (track >= 0 && n > 0 && static_cast<size_t>(n) < sizeof buf)
    n += std::snprintf(buf + n, sizeof buf - n, " of track %d", track);
  // Only the file and its header have something at offset 0: elsewhere 0 means no place in a
  // file (the writer's errors).
  const bool placed = offset != 0 || part == Part::File || part == Part::Header;
  if (placed && n > 0 && static_cast<size_t>(n) < sizeof buf)
    std::snprintf(buf + n, sizeof buf - n, " (offset 0x%" PRIx64 ")", offset);
  return std::string(buf) + ": " + message;
}

}  // namespace smk
