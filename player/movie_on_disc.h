// Where a channel's movies are: the DATA folder of the disc drive.
#pragma once

// Nonzero when the movie file `name` (a bare file name such as "ZOVA3A.SMK") exists in the
// DATA folder of the disc drive. A path that begins with two backslashes has no drive and is
// not on the disc: it is not asked about.
int MovieOnDisc(const char* name);
