#include "scenario_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace scenario {
namespace {

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

}  // namespace

Run::Run() {
  char pattern[] = "/tmp/channels-scenario-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

Run::~Run() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void Run::WriteFile(const std::string& name, const std::string& contents) const {
  std::ofstream(Path(name), std::ios::binary) << contents;
}

std::string Run::ReadFile(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

Result Run::Start(const std::string& script, const std::string& screen,
                  const std::map<std::string, std::string>& settings) const {
  WriteFile("script.txt", script);
  std::filesystem::remove(Path("log.jsonl"));
  std::map<std::string, std::string> env = {
      {"CHANNELS_BACKEND", "headless"},        {"CHANNELS_SCREEN", screen},
      {"CHANNELS_SCRIPT", Path("script.txt")}, {"CHANNELS_LOG", Path("log.jsonl")},
      {"CHANNELS_REGISTRY", RegistryPath()},
  };
  for (const auto& [name, value] : settings) env[name] = value;

  pid_t pid = fork();
  if (pid == 0) {
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    int err = open(Path("stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(err, 2);
    execl(CHANNELS_BINARY, CHANNELS_BINARY, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);

  Result result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::istringstream lines(ReadFile("log.jsonl"));
  for (std::string line; std::getline(lines, line);) result.log.push_back(line);
  result.stderrText = ReadFile("stderr.txt");
  return result;
}

std::vector<std::string> Events(const Result& result, const std::string& ev) {
  std::vector<std::string> out;
  std::string prefix = "{\"ev\":" + Quote(ev);
  for (const std::string& line : result.log) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

std::string ClickQuit(const std::string& screen) {
  int width = 0;
  int height = 0;
  std::sscanf(screen.c_str(), "%dx%d", &width, &height);
  return "click " + std::to_string(width / 2) + " " + std::to_string((height + 70) / 2 + 35) + "\n";
}

std::string MsgboxLine(const std::string& caption, const std::string& text, unsigned type) {
  return "{\"ev\":\"msgbox\",\"caption\":" + Quote(caption) + ",\"text\":" + Quote(text) +
         ",\"type\":" + std::to_string(type) + ",\"owner\":null}";
}

}  // namespace scenario
