#include "framework/gdi.h"

#include "framework/exceptions.h"

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (!object) return FALSE;
  DeleteObject();
  m_hObject = object;
  return TRUE;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  BOOL deleted = ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  return deleted;
}

BOOL CPalette::CreatePalette(const LOGPALETTE* logical) { return Attach(::CreatePalette(logical)); }

CBrush::CBrush(COLORREF color) {
  if (!Attach(::CreateSolidBrush(color))) AfxThrowResourceException();
}

HPALETTE CDC::SelectPalette(const CPalette* palette, BOOL forceBackground) {
  return ::SelectPalette(m_hDC, palette ? static_cast<HPALETTE>(*palette) : nullptr,
                         forceBackground);
}

UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }

void CDC::FillRect(LPCRECT rect, const CBrush* brush) {
  ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}
