// Whole-file reads and atomic writes of the host's files, for the platform's own stores.
#pragma once

#include <string>

namespace win32 {

enum class ReadStatus { kOk, kMissing, kUnreadable };

ReadStatus ReadWholeFile(const std::string& path, std::string& contents);

// Writes a temporary file beside `path`, flushes it and renames it over `path`, creating the
// folder if needed; the old file stays whole when anything fails.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

}  // namespace win32
