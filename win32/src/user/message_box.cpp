// MessageBoxA: logged as the user sees it, then shown as a dialog of its own.
#include "message_box.h"

#include <memory>

#include "base/code_page_1252.h"
#include "dialog.h"
#include "gdi/font.h"
#include "platform/event_log.h"
#include "platform/screen.h"
#include "user_state.h"
#include "window.h"

namespace win32 {
namespace {

MessageBoxState* StateOf(HWND box) {
  Window* w = FindWindow(box);
  return w ? w->messageBox.get() : nullptr;
}

bool OverButton(const MessageBoxState& s, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&s.layout.button, p);
}

void Redraw(HWND box, const MessageBoxState& s) {
  HDC dc = GetDC(box);
  PaintMessageBox(dc, s);
  ReleaseDC(box, dc);
}

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The box keeps its own copy of what it shows, which goes away with it.
    FindWindow(box)->messageBox =
        std::make_unique<MessageBoxState>(*reinterpret_cast<const MessageBoxState*>(lParam));
    return TRUE;
  }
  MessageBoxState* s = StateOf(box);
  if (!s) return FALSE;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(box, &paint);
      PaintMessageBox(dc, *s);
      EndPaint(box, &paint);
      return TRUE;
    }
    case WM_ERASEBKGND:
      SetWindowLongPtrA(box, DWLP_MSGRESULT, 1);  // the paint covers everything
      return TRUE;
    case WM_LBUTTONDOWN:
      if (OverButton(*s, lParam)) {
        s->buttonHeld = s->buttonPressed = true;
        SetCapture(box);
        Redraw(box, *s);
      }
      return TRUE;
    case WM_MOUSEMOVE:
      if (s->buttonHeld && OverButton(*s, lParam) != s->buttonPressed) {
        s->buttonPressed = !s->buttonPressed;
        Redraw(box, *s);
      }
      return TRUE;
    case WM_LBUTTONUP:
      if (s->buttonHeld) {
        bool over = OverButton(*s, lParam);
        s->buttonHeld = s->buttonPressed = false;
        ReleaseCapture();
        Redraw(box, *s);
        if (over) EndDialog(box, IDOK);
      }
      return TRUE;
    case WM_KEYDOWN:
      // Space presses the focused OK button.
      if (wParam == VK_SPACE) EndDialog(box, IDOK);
      return TRUE;
    case WM_COMMAND:
      // Enter, and Esc too, since the box has no Cancel button.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND TopMessageBox() {
  // Handles grow with every window, so the last box in handle order is the newest.
  const auto& windows = User().windows;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (it->second->messageBox && !it->second->destroying) return it->first;
  }
  return nullptr;
}

}  // namespace win32

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  using win32::JsonValue;
  // Windows shows "Error" when the caption is null.
  std::string captionText = caption ? caption : "Error";
  std::string bodyText = text ? text : "";
  win32::LogEvent("msgbox", {{"caption", JsonValue::String(base::codePage1252ToUtf8(captionText))},
                             {"text", JsonValue::String(base::codePage1252ToUtf8(bodyText))},
                             {"type", JsonValue::Number(type)},
                             {"owner", owner ? JsonValue::Number(reinterpret_cast<intptr_t>(owner))
                                             : JsonValue::Null()}});

  win32::MessageBoxState state;
  state.caption = captionText;
  state.type = type;
  const win32::Font& font = win32::Font::Regular();
  const win32::Font& bold = win32::Font::Bold();
  state.layout = win32::LayoutMessageBox(
      captionText, bodyText, (type & MB_ICONMASK) != 0, win32::CurrentScreen().width(),
      win32::CurrentScreen().height(), [&](const std::string& s) { return font.Width(s); },
      [&](const std::string& s) { return bold.Width(s); }, font.LineHeight());

  HWND box = win32::CreateDialogWindow(
      state.layout.window, WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME,
      (type & MB_SYSTEMMODAL) ? WS_EX_TOPMOST : 0, captionText, owner, win32::MessageBoxProc,
      reinterpret_cast<LPARAM>(&state));
  if (!box) return 0;
  return static_cast<int>(win32::RunModalLoop(box, owner));
}
