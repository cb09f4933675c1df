// CDialog: a modal dialog built from a dialog template of the program's resources.
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Creates the dialog from its template, calls OnInitDialog and runs the modal loop until
  // EndDialog; returns the value given to EndDialog, or -1 when the dialog cannot be made.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  void EndDialog(int result);

 protected:
  // IDOK and IDCANCEL end the dialog with themselves as the result.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};
