// CString: the framework's string of 8-bit characters in the ANSI code page.
#pragma once

#include <string>

#include "win32_api.h"

class CString {
 public:
  CString() = default;
  CString(LPCTSTR text) : text_(text ? text : "") {}  // NOLINT: converts like the original
  CString(const std::string& text) : text_(text) {}   // NOLINT

  int GetLength() const { return static_cast<int>(text_.size()); }
  BOOL IsEmpty() const { return text_.empty(); }
  TCHAR GetAt(int index) const { return text_[static_cast<size_t>(index)]; }
  TCHAR operator[](int index) const { return GetAt(index); }
  operator LPCTSTR() const { return text_.c_str(); }  // NOLINT

  // The first, last or middle characters, clamped to the string.
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;

  CString& operator=(LPCTSTR text);
  CString& operator+=(LPCTSTR text);
  CString& operator+=(TCHAR c);
  friend CString operator+(const CString& a, const CString& b) {
    return CString(a.text_ + b.text_);
  }
  friend bool operator==(const CString& a, LPCTSTR b) { return a.text_ == (b ? b : ""); }

  // Loads string-table entry `id` of the program module, as the framework does: through a
  // 255-character buffer, so at most 254 characters; empty (and FALSE) when missing.
  BOOL LoadString(UINT id);

 private:
  std::string text_;
};
