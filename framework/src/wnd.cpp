#include "framework/wnd.h"

#include <new>

#include "framework/exceptions.h"
#include "framework/message_box.h"
#include "res/resource_ids.h"

namespace {

// The message being handled, for Default(); handlers nest when a handler runs a message
// loop of its own.
struct CurrentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
CurrentMessage g_current = {};

enum class Failure { kMemory, kOther };

// Tells the user that a handler failed, as the framework does; a failed paint is only
// marked done, so that it is not asked for again.
void ReportFailure(HWND window, UINT message, LPARAM lParam, Failure failure) {
  if (message == WM_PAINT) {
    ValidateRect(window, nullptr);
  } else if (failure == Failure::kMemory) {
    AfxMessageBox(AFX_IDP_FAILED_MEMORY_ALLOC, MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
  } else if (message == WM_COMMAND && lParam == 0) {
    AfxMessageBox(AFX_IDP_COMMAND_FAILURE, MB_ICONSTOP);
  } else {
    AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_ICONSTOP);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

LRESULT CWnd::Default() {
  return ::DefWindowProcA(g_current.window, g_current.message, g_current.wParam, g_current.lParam);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam);
  const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message);
  if (!entry) return FALSE;
  entry->pfnCall(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam) {
  CurrentMessage saved = g_current;
  g_current = CurrentMessage{m_hWnd, message, wParam, lParam};
  BOOL handled = FALSE;
  HWND window = m_hWnd;
  try {
    handled = OnWndMsg(message, wParam, lParam);
  } catch (const CMemoryException&) {
    ReportFailure(window, message, lParam, Failure::kMemory);
    handled = TRUE;
  } catch (const std::bad_alloc&) {
    ReportFailure(window, message, lParam, Failure::kMemory);
    handled = TRUE;
  } catch (const CException&) {
    ReportFailure(window, message, lParam, Failure::kOther);
    handled = TRUE;
  }
  g_current = saved;
  return handled;
}
