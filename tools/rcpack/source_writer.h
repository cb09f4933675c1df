// The C++ source that embeds packed resources in the Linux program: the table declared in
// win32/src/resource/embedded_resources.h.
#pragma once

#include <string>
#include <vector>

#include "resource.h"

namespace rcpack {

std::string embeddedResourceSource(const std::vector<Resource>& resources,
                                   const std::string& scriptName);

}  // namespace rcpack
