// MessageBoxA: logged as the user sees it, then shown by the backend, which waits for the
// user's answer.
#include "backend/backend.h"
#include "platform/ansi_text.h"
#include "platform/event_log.h"
#include "win32_api.h"

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  using win32::JsonValue;
  // Windows shows "Error" when the caption is null.
  std::string captionUtf8 = win32::AnsiToUtf8(caption ? caption : "Error");
  std::string textUtf8 = win32::AnsiToUtf8(text ? text : "");
  win32::LogEvent("msgbox",
                  {{"caption", JsonValue::String(captionUtf8)},
                   {"text", JsonValue::String(textUtf8)},
                   {"type", JsonValue::Number(type)},
                   {"owner", owner ? JsonValue::Number(reinterpret_cast<intptr_t>(owner))
                                   : JsonValue::Null()}});
  return win32::CurrentBackend().RunMessageBox(captionUtf8, textUtf8, type);
}
