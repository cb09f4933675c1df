#include "movie_path.h"

#include "install/install_paths.h"

CString MoviePath(const char* name) {
  CString path = DiscDrivePrefix();
  path += "\\DATA\\";
  path += name;
  return path;
}
