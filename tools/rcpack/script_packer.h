// Reads a resource script and builds every resource it declares, byte for byte as the Windows
// resource compiler does. The script may use: LANGUAGE, DIALOG (STYLE, FONT, no controls),
// BITMAP, ICON, STRINGTABLE and VERSIONINFO, with numbers rather than symbolic names.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"

namespace rcpack {

// Returns the bytes of a file named by the script (a path relative to the script's folder);
// throws ScriptError when it cannot.
using FileReader = std::function<Bytes(const std::string& path)>;

struct PackedScript {
  std::vector<Resource> resources;  // sorted by type, number and language
  std::vector<std::string> files;   // the files the script named, as given to the reader
};

// Throws ScriptError ("script:line: message") for anything outside the supported subset.
PackedScript packScript(std::string_view source, const std::string& scriptName,
                        const FileReader& readFile);

}  // namespace rcpack
