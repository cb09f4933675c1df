// CFile: only its static file-status query.
#pragma once

#include "win32_api.h"

struct CFileStatus {
  ULONGLONG m_size = 0;
  BYTE m_attribute = 0;
};

class CFile {
 public:
  // TRUE when a directory entry of that name exists (a folder counts) on a readable volume.
  static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);
};
