// Shared by the playback tests: where main() put the test files.
#pragma once

#include <string>

extern std::string g_testRoot;  // E: is g_testRoot + "/disc"
std::string TestLogPath();
