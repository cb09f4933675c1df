// Where a channel's movies are: the DATA folder of the disc drive.
#pragma once

#include "framework/framework.h"

// The disc drive prefix, "\DATA\" and the bare file name `name`, built afresh at every call:
// for example E:\DATA\ZOVA1A.SMK.
CString MoviePath(const char* name);
