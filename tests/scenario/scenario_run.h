// Runs the real program headless with a script, and collects what it left behind: the exit
// status, the event log and the registry file.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace scenario {

struct Result {
  int exitCode = -1;
  std::vector<std::string> log;  // one JSON object a line
  std::string stderrText;
};

class Run {
 public:
  // A fresh folder for this run's files, removed by the destructor.
  Run();
  ~Run();

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::string RegistryPath() const { return Path("registry.reg"); }
  void WriteFile(const std::string& name, const std::string& contents) const;
  std::string ReadFile(const std::string& name) const;

  // Runs the program with CHANNELS_BACKEND=headless, the given script, screen and extra
  // settings (name -> value), with this run's registry file and log.
  Result Start(const std::string& script, const std::string& screen,
               const std::map<std::string, std::string>& settings = {}) const;

 private:
  std::string dir_;
};

// The log's lines with the given "ev".
std::vector<std::string> Events(const Result& result, const std::string& ev);

// A script line clicking the QUIT button of the panel on a screen "WxH...".
std::string ClickQuit(const std::string& screen);

// The JSON line of a message box as the log writes it (texts in UTF-8).
std::string MsgboxLine(const std::string& caption, const std::string& text, unsigned type);

}  // namespace scenario
