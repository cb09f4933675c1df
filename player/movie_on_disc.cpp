#include "movie_on_disc.h"

#include "install/install_paths.h"

int MovieOnDisc(const char* name) {
  CString path = DiscDrivePrefix();
  path += "\\DATA\\";
  path += name;
  CFileStatus status;
  return CFile::GetStatus(path, status) ? 1 : 0;
}
