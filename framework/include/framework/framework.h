// The application framework, all of it.
#pragma once

#include "framework/client_dc.h"
#include "framework/cstring.h"
#include "framework/dialog.h"
#include "framework/exceptions.h"
#include "framework/file.h"
#include "framework/gdi.h"
#include "framework/geometry.h"
#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/winapp.h"
#include "framework/wnd.h"
