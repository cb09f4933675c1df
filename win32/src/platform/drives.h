// Drive letters on Linux: each maps to a folder, like Wine's dosdevices. DOS paths use the
// backslash; names match the files on disk case-insensitively, since CD images are often
// mounted with lower-case names.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace win32 {

class DriveMap {
 public:
  // "C:=/opt/game;E:=/media/cdrom". C: is "/" unless the text maps it. Malformed entries
  // are reported on stderr and skipped.
  static DriveMap Parse(const std::string& text);

  // The host path of a DOS path "X:\dir\file" (either slash accepted), matching every existing
  // component case-insensitively; components that do not exist are kept as written. Nothing
  // for a path without a mapped drive letter.
  std::optional<std::string> ToHost(const std::string& dosPath) const;

  // The DOS path of an absolute host path, through the drive whose folder is the longest
  // prefix of it.
  std::optional<std::string> ToDos(const std::string& hostPath) const;

 private:
  std::map<char, std::string> roots_;  // upper-case letter -> folder without trailing '/'
};

const DriveMap& CurrentDrives();

}  // namespace win32
