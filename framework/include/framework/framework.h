// The application framework, all of it.
#pragma once

#include "framework/cstring.h"
#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/winapp.h"
