#include "movie_facts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <vector>

namespace scenario {
namespace {

std::string Capture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char chunk[65536];
  for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
  pclose(pipe);
  return out;
}

long long Number(const std::string& json, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + key + "\": *(-?[0-9]+)"))) return -1;
  return std::stoll(m[1]);
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

MovieFacts ReadMovieFacts(const std::string& path) {
  const std::string info = Capture(std::string(CHANNELS_SMKDEC) + " " + Quoted(path) + " --info");
  MovieFacts facts;
  facts.width = static_cast<int>(Number(info, "width"));
  facts.codedHeight = static_cast<int>(Number(info, "height"));
  facts.height = facts.codedHeight;
  if (info.find("\"y_scale\": \"none\"") == std::string::npos) facts.height *= 2;
  facts.interlaced = info.find("\"y_scale\": \"interlaced\"") != std::string::npos;
  facts.frames = static_cast<int>(Number(info, "frames"));
  facts.periodMicroseconds = Number(info, "frame_duration_10us") * 10;
  EXPECT_GT(facts.frames, 0) << path << ": " << info;
  if (info.find("\"track\": 0") != std::string::npos) {
    const long long channels = Number(info, "channels");
    const long long bits = Number(info, "bits");
    const std::string audio =
        Capture(std::string(CHANNELS_SMKDEC) + " " + Quoted(path) + " --audio 0 -");
    facts.samples = static_cast<long long>(audio.size()) / (channels * bits / 8);
  }
  return facts;
}

Picture ReferenceFrame(const std::string& path, int index) {
  const MovieFacts facts = ReadMovieFacts(path);
  const std::string rgb = Capture(std::string(CHANNELS_SMKDEC) + " " + Quoted(path) + " --video -");
  const size_t frameBytes = static_cast<size_t>(facts.width) * facts.codedHeight * 3;
  Picture picture;
  if (rgb.size() < frameBytes * (index + 1)) {
    ADD_FAILURE() << path << ": smkdec gave no frame " << index;
    return picture;
  }
  picture.width = facts.width;
  picture.height = facts.height;
  const auto* frame = reinterpret_cast<const unsigned char*>(rgb.data()) + frameBytes * index;
  const int scale = facts.height / facts.codedHeight;
  for (int y = 0; y < facts.height; ++y) {
    const unsigned char* p = frame + static_cast<size_t>(y / scale) * facts.width * 3;
    const bool dark = facts.interlaced && y % 2 == 1;
    for (int x = 0; x < facts.width; ++x, p += 3) {
      picture.pixels.push_back(dark ? 0 : uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
    }
  }
  return picture;
}

Picture Crop(const Picture& screen, int x, int y, int width, int height) {
  Picture part;
  part.width = width;
  part.height = height;
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      const bool inside = row >= 0 && column >= 0 && row < screen.height && column < screen.width;
      part.pixels.push_back(inside ? screen.At(column, row) : 0xFFFFFFFF);
    }
  }
  return part;
}

}  // namespace scenario
