// rcpack: turns the resource script into a C++ source that embeds every resource, for the
// Linux build, where no resource compiler links resources into the program.
//
//   rcpack SCRIPT.rc OUTPUT.cpp [DEPFILE]
//
// Files named in the script are read relative to the script's folder. DEPFILE, when given,
// lists the script and those files for the build system.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "script_packer.h"
#include "source_writer.h"

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw rcpack::ScriptError(path.string() + ": cannot open file");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw rcpack::ScriptError(path.string() + ": cannot read file");
  return text.str();
}

// Writes through a temporary file, so that an interrupted run leaves no half-written output.
void writeText(const fs::path& path, const std::string& text) {
  const fs::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw rcpack::ScriptError(temporary.string() + ": cannot write file");
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  if (error) throw rcpack::ScriptError(path.string() + ": " + error.message());
}

std::string escapeForDepfile(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#' || c == '\\') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: rcpack SCRIPT.rc OUTPUT.cpp [DEPFILE]\n");
    return 2;
  }
  try {
    const fs::path script = argv[1];
    const fs::path folder = script.parent_path();
    const rcpack::FileReader readFile = [&](const std::string& name) {
      const std::string text = readText(folder / name);
      return rcpack::Bytes(text.begin(), text.end());
    };
    const rcpack::PackedScript packed =
        rcpack::packScript(readText(script), script.string(), readFile);
    writeText(argv[2],
              rcpack::embeddedResourceSource(packed.resources, script.filename().string()));
    if (argc == 4) {
      std::string rule = escapeForDepfile(argv[2]) + ":";
      rule += " " + escapeForDepfile(fs::absolute(script).string());
      for (const std::string& name : packed.files)
        rule += " " + escapeForDepfile(fs::absolute(folder / name).string());
      writeText(argv[3], rule + "\n");
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rcpack: %s\n", e.what());
    return 1;
  }
  return 0;
}
