// Dialogs: creation from templates, the modal loop, the dialog procedure's defaults and the
// keyboard handling of IsDialogMessage. Dialogs have no controls here: Enter and Esc become
// the commands IDOK and IDCANCEL.
#include "dialog.h"

#include <memory>

#include "dialog_template.h"
#include "window.h"

namespace win32 {
namespace {

// The dialog manager's record of a live dialog window; null for any other handle.
DialogInfo* InfoOf(HWND dialog) {
  Window* w = FindWindow(dialog);
  return w ? w->dialog.get() : nullptr;
}

}  // namespace

HWND CreateDialogWindow(const RECT& rect, DWORD style, DWORD exStyle, const std::string& title,
                        HWND owner, DLGPROC proc, LPARAM param) {
  HWND dialog = CreateWindowExA(
      exStyle, "#32770", title.c_str(), style & ~static_cast<DWORD>(WS_VISIBLE), rect.left,
      rect.top, rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, nullptr, nullptr);
  if (!dialog) return nullptr;
  FindWindow(dialog)->dialog = std::make_unique<DialogInfo>();
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  SendMessageA(dialog, WM_INITDIALOG, 0, param);
  if (IsWindow(dialog) && (style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR RunModalLoop(HWND dialog, HWND owner) {
  if (owner) EnableWindow(owner, FALSE);
  MSG msg;
  DialogInfo* info;
  while ((info = InfoOf(dialog)) && !info->ended) {
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      // The quit request is for the loop outside: put it back and end this one.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (owner) EnableWindow(owner, TRUE);
  // A dialog destroyed behind the loop's back has no result left to give.
  info = InfoOf(dialog);
  if (!info) return 0;
  INT_PTR result = info->result;
  DestroyWindow(dialog);
  return result;
}

}  // namespace win32

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
  HRSRC found = FindResourceA(instance, templateName, RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  auto parsed = win32::ParseDialogTemplate(bytes, bytes ? SizeofResource(instance, found) : 0);
  if (!parsed) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return -1;
  }
  HWND dialog =
      win32::CreateDialogWindow(win32::DialogRectInPixels(*parsed), parsed->style, parsed->exStyle,
                                parsed->title, owner, dialogProc, initParam);
  if (!dialog) return -1;
  return win32::RunModalLoop(dialog, owner);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  win32::DialogInfo* info = win32::InfoOf(dialog);
  if (!info) return FALSE;
  info->ended = true;
  info->result = result;
  // The dialog disappears at once; the modal loop destroys it when it regains control.
  ShowWindow(dialog, SW_HIDE);
  return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
  INT_PTR handled = proc ? proc(dialog, message, wParam, lParam) : 0;
  if (handled) {
    return message == WM_INITDIALOG ? handled : GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
  }
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(dialog, &client);
      HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
      FillRect(reinterpret_cast<HDC>(wParam), &client, face);
      DeleteObject(face);
      return 1;
    }
    case WM_CLOSE:
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    case WM_INITDIALOG:
      return 0;
    default:
      return DefWindowProcA(dialog, message, wParam, lParam);
  }
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
  if (!msg || !dialog || msg->hwnd != dialog) return FALSE;
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    // No default button and no Cancel button: the command comes without a control.
    WORD id = msg->wParam == VK_RETURN ? IDOK : IDCANCEL;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    return TRUE;
  }
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return TRUE;
}
