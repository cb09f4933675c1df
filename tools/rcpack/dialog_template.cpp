#include "dialog_template.h"

namespace rcpack {

Bytes buildDialog(const DialogTemplate& dialog) {
  constexpr uint32_t kDsSetFont = 0x40;
  Bytes out;
  base::appendLe32(out, dialog.style | (dialog.font ? kDsSetFont : 0));
  base::appendLe32(out, 0);  // extended style
  base::appendLe16(out, 0);  // controls
  base::appendLe16(out, dialog.x);
  base::appendLe16(out, dialog.y);
  base::appendLe16(out, dialog.width);
  base::appendLe16(out, dialog.height);
  base::appendLe16(out, 0);  // no menu
  base::appendLe16(out, 0);  // standard dialog class
  base::appendLe16(out, 0);  // empty caption
  if (dialog.font) {
    base::appendLe16(out, dialog.font->pointSize);
    putText(out, dialog.font->face, true);
  }
  return out;
}

}  // namespace rcpack
