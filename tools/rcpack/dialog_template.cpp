#include "dialog_template.h"

namespace rcpack {

Bytes buildDialog(const DialogTemplate& dialog) {
  constexpr uint32_t kDsSetFont = 0x40;
  Bytes out;
  putDword(out, dialog.style | (dialog.font ? kDsSetFont : 0));
  putDword(out, 0);  // extended style
  putWord(out, 0);   // controls
  putWord(out, dialog.x);
  putWord(out, dialog.y);
  putWord(out, dialog.width);
  putWord(out, dialog.height);
  putWord(out, 0);  // no menu
  putWord(out, 0);  // standard dialog class
  putWord(out, 0);  // empty caption
  if (dialog.font) {
    putWord(out, dialog.font->pointSize);
    putText(out, dialog.font->face, true);
  }
  return out;
}

}  // namespace rcpack
