// Errors as values: every failure of the reader or the writer is an Error with a kind and a
// place; nothing asserts, aborts or throws on bad data or bad settings.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace smk {

enum class ErrorKind {
  Truncated,    // the file ends before the data it announces
  Corrupt,      // the data contradicts the format
  Unsupported,  // valid data of a kind this reader does not decode (other signature, codec)
  TooLarge,     // beyond one of the limits of smk/limits.h
  Io,           // the file cannot be opened or read
  Invalid,      // writing: settings or data the format cannot hold, or a call out of order
};

// The part of the movie an error was found in.
// The writer adds Settings (a movie's or converter's settings) and Movie (the order of calls).
enum class Part { File, Header, FrameTables, Trees, Palette, Audio, Video, Settings, Movie };

struct Error {
  ErrorKind kind = ErrorKind::Corrupt;
  Part part = Part::File;
  const char* message = "";  // static text: making an error never allocates
  uint64_t offset = 0;       // file offset of the offending field or chunk (reading only)
  int64_t frame = -1;        // frame index, -1 when not inside a frame
  int track = -1;            // audio track, -1 when not about a track

  // "corrupt palette at frame 3 (offset 0x1a2c): COPY source beyond entry 256"
  std::string describe() const;
};

const char* toString(ErrorKind kind);
const char* toString(Part part);

// A value or the Error that prevented it.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error error) : v_(error) {}

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T* operator->() { return &value(); }
  T& operator*() { return value(); }
  const Error& error() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// Success or an Error, for operations without a value.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : error_(error), failed_(true) {}
  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return error_; }

 private:
  Error error_{};
  bool failed_ = false;
};

}  // namespace smk
