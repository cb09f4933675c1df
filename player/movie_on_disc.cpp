#include "movie_on_disc.h"

#include "app/channel_app.h"

int MovieOnDisc(const char* name) {
  CString path = DiscDrivePrefix();
  path += "\\DATA\\";
  path += name;
  CFileStatus status;
  return CFile::GetStatus(path, status) ? 1 : 0;
}
