#include "movie_path.h"

#include "app/channel_app.h"

CString MoviePath(const char* name) {
  CString path = DiscDrivePrefix();
  path += "\\DATA\\";
  path += name;
  return path;
}
