#include "framework/client_dc.h"

#include "framework/exceptions.h"
#include "framework/wnd.h"

CClientDC::CClientDC(CWnd* wnd) : CDC(nullptr), m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  m_hDC = ::GetDC(m_hWnd);
  if (!m_hDC) AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
