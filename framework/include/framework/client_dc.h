// CClientDC: the drawing context of a window (of the whole screen when the window is null),
// obtained when constructed and given back when destroyed, also when a handler throws
// between the two.
#pragma once

#include "framework/gdi.h"

class CWnd;

class CClientDC : public CDC {
 public:
  // Throws CResourceException when the platform has no context to give.
  explicit CClientDC(CWnd* wnd);
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;
  ~CClientDC();

  HWND m_hWnd;
};
