// Reads a resource script and builds every resource it declares, byte for byte as the Windows
// resource compiler does. The script may use: LANGUAGE, DIALOG (STYLE, FONT, no controls),
// BITMAP, ICON, STRINGTABLE and VERSIONINFO, with resource numbers written as numbers or as
// names #defined as numbers (in the script or in a file it includes).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"

namespace rcpack {

// Returns the bytes of a file named by the script or included by it (a path relative to the
// script's folder); throws ScriptError when it cannot.
using FileReader = std::function<Bytes(const std::string& path)>;

struct PackedScript {
  std::vector<Resource> resources;  // sorted by type, number and language
  std::vector<std::string> files;   // the files the script named or included, as read
};

// Throws ScriptError ("script:line: message") for anything outside the supported subset.
PackedScript packScript(std::string_view source, const std::string& scriptName,
                        const FileReader& readFile);

}  // namespace rcpack
