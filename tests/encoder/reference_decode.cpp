#include "reference_decode.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace smk::enc::test {

namespace {

std::string temp_dir() {
  static const std::string dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("smkenc-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    return d.string();
  }();
  return dir;
}

}  // namespace

Decoded run_command(const std::string& cmd_without_redirect) {
  const std::string err = temp_dir() + "/decoder.err";
  const std::string cmd = cmd_without_redirect + " 2>" + err;
  Decoded d;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) throw std::runtime_error("cannot start ffmpeg");
  uint8_t buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) d.rgb.insert(d.rgb.end(), buf, buf + n);
  int st = pclose(p);
  d.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::ifstream e(err);
  d.diagnostics.assign(std::istreambuf_iterator<char>(e), {});
  return d;
}

Decoded ffmpeg_video(const std::string& path) {
  return run_command("ffmpeg -nostdin -v warning -i '" + path +
                     "' -map 0:v:0 -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -");
}

Decoded ffmpeg_audio(const std::string& path, int index, bool sixteen_bit) {
  return run_command("ffmpeg -nostdin -v warning -i '" + path +
                     "' -map 0:a:" + std::to_string(index) +
                     (sixteen_bit ? " -f s16le -c:a pcm_s16le -" : " -f u8 -c:a pcm_u8 -"));
}

Decoded smkdec_video(const std::string& path) {
  return run_command(std::string(SMKDEC_PATH) + " '" + path + "' --video -");
}

Decoded smkdec_audio(const std::string& path, int track) {
  return run_command(std::string(SMKDEC_PATH) + " '" + path + "' --audio " + std::to_string(track) +
                     " -");
}

std::string write_temp(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = temp_dir() + "/" + name;
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace smk::enc::test
