// A movie file read through the Win32 file API, for smk::Movie to stream from.
#pragma once

#include <memory>

#include "smk/reader.h"

namespace vid {

// nullptr when the file cannot be opened (missing, a folder, no disc in the drive).
std::unique_ptr<smk::Reader> openFileReader(const char* path);

}  // namespace vid
