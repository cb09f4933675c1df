// A dialog without controls (its template in dialog_keys.rc): Enter arrives as WM_COMMAND
// IDOK and Esc as IDCANCEL, both with lParam 0, and neither ends the dialog; a letter key
// arrives as WM_KEYDOWN and then WM_CHAR. DialogBoxParam returns what EndDialog gave.
#include <vector>

#include "check.h"
#include "dialog_keys_ids.h"

using conformance::Check;

namespace {

std::vector<UINT> g_seen;
std::vector<WPARAM> g_commands;
bool g_commandsWithoutControl = true;

INT_PTR CALLBACK Proc(HWND dialog, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_INITDIALOG:
      PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      PostMessageA(dialog, WM_KEYDOWN, 'A', 0x001E0001);
      return TRUE;
    case WM_COMMAND:
      g_seen.push_back(m);
      g_commands.push_back(wp);
      g_commandsWithoutControl = g_commandsWithoutControl && lp == 0;
      return TRUE;
    case WM_KEYDOWN:
      g_seen.push_back(m);
      return TRUE;
    case WM_CHAR:
      g_seen.push_back(m);
      Check(wp == 'a', "the letter's character");
      EndDialog(dialog, 42);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int main() {
  INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_KEYS), nullptr, Proc, 0);
  Check(result == 42, "DialogBoxParam returns the EndDialog value");
  Check(g_commands == std::vector<WPARAM>({IDOK, IDCANCEL}), "Enter is IDOK, Esc is IDCANCEL");
  Check(g_commandsWithoutControl, "the commands come without a control (lParam 0)");
  Check(g_seen == std::vector<UINT>({WM_COMMAND, WM_COMMAND, WM_KEYDOWN, WM_CHAR}),
        "the dialog stays open after both; a letter gives WM_KEYDOWN then WM_CHAR");
  return conformance::Finish("dialog_keys");
}
