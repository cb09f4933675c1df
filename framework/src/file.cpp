#include "framework/file.h"

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status) {
  WIN32_FIND_DATAA found;
  HANDLE find = ::FindFirstFileA(fileName, &found);
  if (find == INVALID_HANDLE_VALUE) return FALSE;
  ::FindClose(find);
  status.m_size = static_cast<ULONGLONG>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
  status.m_attribute = static_cast<BYTE>(found.dwFileAttributes);
  return TRUE;
}
