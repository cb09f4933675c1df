#include "framework/message_box.h"

#include "framework/cstring.h"
#include "framework/winapp.h"

int AfxMessageBox(LPCTSTR text, UINT type, UINT) {
  if ((type & MB_ICONMASK) == 0) {
    switch (type & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
        type |= MB_ICONEXCLAMATION;
        break;
      default:
        type |= MB_ICONQUESTION;
        break;
    }
  }
  CWinApp* app = AfxGetApp();
  return MessageBoxA(nullptr, text, app ? app->m_pszAppName : nullptr, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  CString text;
  text.LoadString(promptId);
  return AfxMessageBox(text, type, helpId);
}
