#pragma once
// Decodes movies with the reference decoder (the ffmpeg program) for round-trip tests.
#include <cstdint>
#include <string>
#include <vector>

namespace smk::enc::test {

struct Decoded {
  std::vector<uint8_t> rgb;  // all frames as RGB24, or the audio samples
  std::string diagnostics;   // what the decoder printed (ffmpeg: level "warning" and above)
  int status = -1;
};

// Runs a shell command and collects its standard output and error.
Decoded run_command(const std::string& cmd);

// Video stream 0 as RGB24 frames.
Decoded ffmpeg_video(const std::string& path);
// Audio stream `index` as unsigned 8-bit or signed 16-bit little-endian samples.
Decoded ffmpeg_audio(const std::string& path, int index, bool sixteen_bit);

// The same with our own decoder, smkdec (track = the header's audio track number).
Decoded smkdec_video(const std::string& path);
Decoded smkdec_audio(const std::string& path, int track);

// Writes bytes to a fresh file in the test's temporary folder and returns its path.
std::string write_temp(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace smk::enc::test
