// mkdemo: builds the demo disc, eight generated movies in DISC/DATA, with the settings file
// and the drive map that let the viewer find it.
//
//   mkdemo OUTDIR [--screenshots DIR]
//
// writes OUTDIR/disc/DATA/ZOVA1A.SMK .. ZOVA4B.SMK, OUTDIR/registry.reg and
// OUTDIR/drives.env; with --screenshots also DIR/demo1a.png .. demo4b.png.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/png_file.h"
#include "movies.h"

namespace fs = std::filesystem;

namespace {

struct Entry {
  const char* channel;  // "1A" .. "4B"
  const char* title;
  mkdemo::DemoMovie (*make)();
};

const Entry kMovies[] = {
    {"1A", "test card", mkdemo::make_test_card},  {"1B", "countdown", mkdemo::make_countdown},
    {"2A", "landscape", mkdemo::make_landscape},  {"2B", "plasma", mkdemo::make_plasma},
    {"3A", "star field", mkdemo::make_starfield}, {"3B", "bouncing balls", mkdemo::make_balls},
    {"4A", "clock", mkdemo::make_clock},          {"4B", "oscilloscope", mkdemo::make_oscilloscope},
};

// Writes beside the target, then renames, so readers never see half a file.
void write_file(const fs::path& path, const std::string& bytes) {
  const fs::path tmp = path.string() + ".part";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), std::streamsize(bytes.size()));
    f.close();
    if (!f) throw std::runtime_error("cannot write " + path.string());
  }
  fs::rename(tmp, path);
}

std::string lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int run(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--screenshots")) {
    std::cerr << "usage: mkdemo OUTDIR [--screenshots DIR]\n";
    return 2;
  }
  const fs::path out = fs::absolute(argv[1]);
  const fs::path data = out / "disc" / "DATA";
  fs::create_directories(data);
  const std::string shots = argc == 4 ? argv[3] : "";
  if (!shots.empty()) fs::create_directories(shots);

  // The movies are independent: make them on all cores.
  const auto start = std::chrono::steady_clock::now();
  constexpr size_t kCount = std::size(kMovies);
  std::vector<mkdemo::DemoMovie> made(kCount);
  std::vector<std::string> errors(kCount);
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i; (i = next++) < kCount;) {
      try {
        made[i] = kMovies[i].make();
      } catch (const std::exception& e) {
        errors[i] = e.what();
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
    pool.emplace_back(worker);
  for (auto& t : pool) t.join();

  for (size_t i = 0; i < kCount; ++i) {
    if (!errors[i].empty())
      throw std::runtime_error(std::string("movie ") + kMovies[i].channel + ": " + errors[i]);
    const std::string name = std::string("ZOVA") + kMovies[i].channel + ".SMK";
    write_file(data / name, std::string(made[i].file.begin(), made[i].file.end()));
    std::cout << "mkdemo: " << name << "  " << kMovies[i].title << ", " << made[i].file.size()
              << " bytes\n";
    if (!shots.empty()) {
      const auto& s = made[i].screenshot;
      const std::string error =
          base::writePng((fs::path(shots) / ("demo" + lower(kMovies[i].channel) + ".png")).string(),
                         int(s.width), int(s.height), base::PngFormat::Rgb, s.rgb);
      if (!error.empty()) throw std::runtime_error(error);
    }
  }

  // The viewer's settings: the movies are on drive E:, which the drive map points at the disc.
  write_file(out / "registry.reg",
             "REGEDIT4\r\n\r\n"
             "[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\PATHS]\r\n"
             "\"HOME\"=\"C:\\\\CORVALE\"\r\n"
             "\"GOODIES\"=\"E:\\\\GOODIES\"\r\n");
  write_file(out / "drives.env", "CHANNELS_DRIVES=E:=" + (out / "disc").string() +
                                     "\nCHANNELS_REGISTRY=" + (out / "registry.reg").string() +
                                     "\n");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "mkdemo: demo disc in " << (out / "disc").string() << " (" << seconds << " s)\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "mkdemo: " << e.what() << "\n";
    return 1;
  }
}
