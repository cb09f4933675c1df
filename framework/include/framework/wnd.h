// CWnd: a window of the framework. Messages reach the handlers of its message map; what no
// handler takes, and what a handler passes on with Default(), gets the platform's default.
//
// A handler that fails with a framework exception does not end the program: the failure is
// reported in a message box (string-table texts AFX_IDP_INTERNAL_FAILURE,
// AFX_IDP_COMMAND_FAILURE and AFX_IDP_FAILED_MEMORY_ALLOC) and the next message is handled as
// usual. A failure while painting is dropped quietly.
#pragma once

#include "framework/gdi.h"
#include "framework/geometry.h"
#include "framework/message_map.h"

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  void GetClientRect(LPRECT rect) const;
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);

  // The platform's default processing of the message being handled.
  LRESULT Default();

  // Receives every WM_COMMAND; returns TRUE when it handled the command.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;

 protected:
  // Hands a message to the message map (WM_COMMAND to OnCommand), catching and reporting
  // handler failures; FALSE when nothing handles it.
  BOOL DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam);

  static const AFX_MSGMAP* GetThisMessageMap();
  const AFX_MSGMAP* GetMessageMap() const override;

 private:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam);
};
