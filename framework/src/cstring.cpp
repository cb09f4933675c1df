#include "framework/cstring.h"

#include <algorithm>

#include "framework/winapp.h"

CString CString::Left(int count) const {
  return CString(text_.substr(0, static_cast<size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
  int n = std::clamp(count, 0, GetLength());
  return CString(text_.substr(text_.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int first) const {
  return CString(text_.substr(static_cast<size_t>(std::clamp(first, 0, GetLength()))));
}

CString& CString::operator=(LPCTSTR text) {
  text_ = text ? text : "";
  return *this;
}

CString& CString::operator+=(LPCTSTR text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(TCHAR c) {
  text_ += c;
  return *this;
}

BOOL CString::LoadString(UINT id) {
  TCHAR buffer[255];
  int n = ::LoadStringA(AfxGetResourceHandle(), id, buffer, 255);
  text_.assign(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  return n > 0;
}
