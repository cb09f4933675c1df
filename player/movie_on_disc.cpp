#include "movie_on_disc.h"

#include "movie_path.h"

int MovieOnDisc(const char* name) {
  CFileStatus status;
  return CFile::GetStatus(MoviePath(name), status) ? 1 : 0;
}
