// The C++ source that embeds packed resources in a Linux program: the module's resource table
// that our Win32 subset declares in win32/module_resources.h.
#pragma once

#include <string>
#include <vector>

#include "resource.h"

namespace rcpack {

std::string embeddedResourceSource(const std::vector<Resource>& resources,
                                   const std::string& scriptName);

}  // namespace rcpack
