#include "movie_on_disc.h"

#include "movie_path.h"

int MovieOnDisc(const char* name) {
  const CString path = MoviePath(name);
  // A path that begins with two backslashes has no drive: with GOODIES missing or empty the
  // prefix is a lone backslash. Windows would take it for a server named DATA on the network
  // and might look for it for many seconds; no movie of the disc is there.
  if (path.Left(2) == "\\\\") return 0;
  CFileStatus status;
  return CFile::GetStatus(path, status) ? 1 : 0;
}
