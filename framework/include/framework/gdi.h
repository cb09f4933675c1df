// Wrappers of drawing contexts, palettes and brushes. Each owns its platform object and
// deletes it when destroyed.
#pragma once

#include "win32_api.h"

class CGdiObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject();

  BOOL Attach(HGDIOBJ object);
  BOOL DeleteObject();

  HGDIOBJ m_hObject = nullptr;
};

class CPalette : public CGdiObject {
 public:
  BOOL CreatePalette(const LOGPALETTE* logical);
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT
};

class CBrush : public CGdiObject {
 public:
  // A solid brush; throws CResourceException when the platform has none to give.
  explicit CBrush(COLORREF color);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};

// A drawing context obtained elsewhere; it does not release it (CClientDC does).
class CDC {
 public:
  explicit CDC(HDC dc) : m_hDC(dc) {}

  // Selecting an empty palette leaves the context's palette as it is. Returns the previous
  // palette's handle.
  HPALETTE SelectPalette(const CPalette* palette, BOOL forceBackground);
  UINT RealizePalette();
  void FillRect(LPCRECT rect, const CBrush* brush);

  HDC m_hDC;
};
