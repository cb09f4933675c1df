#include "host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace win32 {

ReadStatus ReadWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kUnreadable;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) contents.append(buffer, static_cast<size_t>(n));
  close(fd);
  return n < 0 ? ReadStatus::kUnreadable : ReadStatus::kOk;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  std::error_code ignored;
  std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);

  std::string temporary = path + ".tmp." + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t written = 0;
  while (written < contents.size()) {
    ssize_t n = write(fd, contents.data() + written, contents.size() - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  bool ok = written == contents.size() && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok && rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

}  // namespace win32
