#pragma once

#include "win32_api.h"

// Shows string-table entry `id` in the framework's message box (OK, exclamation icon).
void ShowStringMessage(UINT id);
