#include "input.h"

#include <cctype>

#include "focus.h"
#include "user_state.h"
#include "window.h"

namespace win32 {
namespace {

std::deque<InputEvent>& Queue() { return User().input; }

const UINT kButtonDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
const UINT kButtonUp[3] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
const WPARAM kButtonFlag[3] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};

bool MouseMessage(const InputEvent& e, MSG& msg) {
  POINT point{e.x, e.y};
  if (e.kind == InputEvent::Kind::kButtonDown) User().buttons |= kButtonFlag[e.button];
  if (e.kind == InputEvent::Kind::kButtonUp) User().buttons &= ~kButtonFlag[e.button];
  User().cursor = point;

  Window* target = FindWindow(GetCapture());
  if (!target) target = WindowAtPoint(point);
  if (!target || (target->style & WS_DISABLED)) return false;
  HWND handle = target->handle;
  if (e.kind == InputEvent::Kind::kButtonDown && GetActiveWindow() != handle) {
    // The window may go away while it hears about the click: look it up again each time.
    LRESULT answer = SendMessageA(handle, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(handle),
                                  MAKELPARAM(1, kButtonDown[e.button]));
    if (answer != MA_NOACTIVATE && (target = FindWindow(handle))) {
      ActivateWindow(*target, WA_CLICKACTIVE);
    }
    if (!(target = FindWindow(handle))) return false;
  }
  msg.hwnd = target->handle;
  switch (e.kind) {
    case InputEvent::Kind::kMouseMove:
      msg.message = WM_MOUSEMOVE;
      break;
    case InputEvent::Kind::kButtonDown:
      msg.message = kButtonDown[e.button];
      break;
    default:
      msg.message = kButtonUp[e.button];
      break;
  }
  msg.wParam = User().buttons | (User().shift ? MK_SHIFT : 0);
  msg.lParam = MAKELPARAM(point.x - target->rect.left, point.y - target->rect.top);
  msg.pt = point;
  return true;
}

bool KeyMessage(const InputEvent& e, MSG& msg) {
  bool down = e.kind == InputEvent::Kind::kKeyDown;
  if (e.vk == VK_SHIFT) User().shift = down;
  HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  if (!target) return false;
  // With Alt held, and for Alt itself, the keys are system keys.
  bool system = e.alt || e.vk == VK_MENU;
  msg.hwnd = target;
  msg.message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  msg.wParam = e.vk;
  DWORD flags = 1;  // repeat count
  if (e.alt) flags |= 1u << 29;
  if (!down) flags |= 3u << 30;
  msg.lParam = static_cast<LPARAM>(flags);
  msg.pt = User().cursor;
  return true;
}

}  // namespace

void QueueInput(const InputEvent& event) { Queue().push_back(event); }

bool InputPending() { return !Queue().empty(); }

bool TakeInputMessage(MSG& msg) {
  while (!Queue().empty()) {
    InputEvent e = Queue().front();
    Queue().pop_front();
    msg = MSG{};
    bool mouse = e.kind != InputEvent::Kind::kKeyDown && e.kind != InputEvent::Kind::kKeyUp;
    if (mouse ? MouseMessage(e, msg) : KeyMessage(e, msg)) return true;
  }
  return false;
}

char KeyCharacter(UINT vk) {
  static const char kShiftedDigits[] = ")!@#$%^&*(";
  switch (vk) {
    case VK_BACK:
      return '\b';
    case VK_TAB:
      return '\t';
    case VK_RETURN:
      return '\r';
    case VK_ESCAPE:
      return '\x1b';
    case VK_SPACE:
      return ' ';
  }
  if (vk >= 'A' && vk <= 'Z') return static_cast<char>(User().shift ? vk : std::tolower(vk));
  if (vk >= '0' && vk <= '9')
    return User().shift ? kShiftedDigits[vk - '0'] : static_cast<char>(vk);
  return 0;
}

}  // namespace win32
