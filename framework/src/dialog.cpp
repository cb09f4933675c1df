#include "framework/dialog.h"

#include "framework/winapp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDTemplate), parent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return result;
}

BOOL CDialog::OnInitDialog() {
  // Dialog-initialisation data (resource type 240) would fill controls; the program's
  // dialogs have neither.
  ::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDTemplate), MAKEINTRESOURCE(240));
  return TRUE;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
  WORD id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return FALSE;
  EndDialog(id);
  return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    dialog->m_hWnd = window;
    return dialog->OnInitDialog();
  }
  auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!dialog) return FALSE;
  return dialog->DispatchMessageMap(message, wParam, lParam);
}
