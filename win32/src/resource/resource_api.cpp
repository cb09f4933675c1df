// Resource look-ups over the embedded resource table.
#include "win32_api.h"
