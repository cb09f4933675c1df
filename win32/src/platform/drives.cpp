#include "drives.h"

#include <dirent.h>
#include <strings.h>

#include <cctype>
#include <cstdio>

#include "settings.h"

namespace win32 {
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The entry of `dir` whose name equals `name` ignoring case; an exact match wins.
std::optional<std::string> FindEntry(const std::string& dir, const std::string& name) {
  DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
  if (!d) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* e = readdir(d)) {
    if (name == e->d_name) {
      found = name;
      break;
    }
    if (!found && strcasecmp(name.c_str(), e->d_name) == 0) found = e->d_name;
  }
  closedir(d);
  return found;
}

}  // namespace

DriveMap DriveMap::Parse(const std::string& text) {
  DriveMap map;
  map.roots_['C'] = "/";
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    std::string entry = text.substr(start, end - start);
    start = end + 1;
    if (entry.empty()) continue;
    if (entry.size() < 4 || !std::isalpha(static_cast<unsigned char>(entry[0])) ||
        entry[1] != ':' || entry[2] != '=' || entry[3] != '/') {
      std::fprintf(stderr, "channels: ignoring drive mapping \"%s\" (expected X:=/folder)\n",
                   entry.c_str());
      continue;
    }
    map.roots_[static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])))] =
        WithoutTrailingSlash(entry.substr(3));
  }
  return map;
}

std::optional<std::string> DriveMap::ToHost(const std::string& dosPath) const {
  if (dosPath.size() < 2 || dosPath[1] != ':') return std::nullopt;
  auto root = roots_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(dosPath[0]))));
  if (root == roots_.end()) return std::nullopt;

  std::string host = root->second == "/" ? "" : root->second;
  bool exists = true;
  size_t pos = 2;
  while (pos < dosPath.size()) {
    size_t next = dosPath.find_first_of("\\/", pos);
    if (next == std::string::npos) next = dosPath.size();
    std::string part = dosPath.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      size_t slash = host.rfind('/');
      if (slash != std::string::npos && host.size() > root->second.size()) host.resize(slash);
      continue;
    }
    if (exists) {
      if (auto entry = FindEntry(host, part)) {
        part = *entry;
      } else {
        exists = false;
      }
    }
    host += "/" + part;
  }
  if (host.empty()) host = "/";
  if (dosPath.size() > 2 && (dosPath.back() == '\\' || dosPath.back() == '/') && host != "/") {
    host += "/";
  }
  return host;
}

std::optional<std::string> DriveMap::ToDos(const std::string& hostPath) const {
  if (hostPath.empty() || hostPath[0] != '/') return std::nullopt;
  const std::pair<const char, std::string>* best = nullptr;
  size_t bestLength = 0;
  for (const auto& entry : roots_) {
    // "/" is a prefix of every path, with nothing to strip.
    const std::string prefix = entry.second == "/" ? "" : entry.second;
    bool under = hostPath.compare(0, prefix.size(), prefix) == 0 &&
                 (hostPath.size() == prefix.size() || hostPath[prefix.size()] == '/');
    if (under && (!best || prefix.size() > bestLength)) {
      best = &entry;
      bestLength = prefix.size();
    }
  }
  if (!best) return std::nullopt;
  std::string dos = std::string(1, best->first) + ":";
  for (char c : hostPath.substr(bestLength)) dos += c == '/' ? '\\' : c;
  if (dos.size() == 2) dos += '\\';
  return dos;
}

const DriveMap& CurrentDrives() {
  static const DriveMap map = DriveMap::Parse(CurrentSettings().drives);
  return map;
}

}  // namespace win32
