#include "string_message.h"

#include "framework/framework.h"

void ShowStringMessage(UINT id) {
  CString text;
  text.LoadString(id);
  AfxMessageBox(text, MB_OK, 0);
}
