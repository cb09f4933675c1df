#include "dialog_template.h"

#include <cstring>

#include "base/code_page_1252.h"
#include "base/little_endian.h"

namespace win32 {
namespace {

class Reader {
 public:
  Reader(const void* data, size_t size) : data_(static_cast<const BYTE*>(data)), size_(size) {}

  bool Word(WORD& out) {
    if (at_ + 2 > size_) return false;
    out = base::readLe16(data_ + at_);
    at_ += 2;
    return true;
  }
  bool Dword(DWORD& out) {
    if (at_ + 4 > size_) return false;
    out = base::readLe32(data_ + at_);
    at_ += 4;
    return true;
  }
  bool Short(int& out) {
    WORD w;
    if (!Word(w)) return false;
    out = static_cast<short>(w);
    return true;
  }
  // A zero-terminated UTF-16 text, into the ANSI code page as an ANSI window reads its text
  // back: '?' for a character the code page lacks.
  bool Text(std::string& out) {
    out.clear();
    for (WORD c; Word(c) && c != 0;)
      out += static_cast<char>(base::toCodePage1252(c).value_or('?'));
    return at_ <= size_ && at_ >= 2 && data_[at_ - 2] == 0 && data_[at_ - 1] == 0;
  }
  // A name or an ordinal (0xFFFF then a number), or nothing (0).
  bool NameOrOrdinal() {
    WORD first;
    if (!Word(first)) return false;
    if (first == 0) return true;
    if (first == 0xFFFF) return Word(first);
    std::string ignored;
    at_ -= 2;
    return Text(ignored);
  }

 private:
  const BYTE* data_;
  size_t size_;
  size_t at_ = 0;
};

int MulDivRounded(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const void* data, size_t size) {
  if (!data) return std::nullopt;
  Reader in(data, size);
  DialogTemplate t;
  WORD count;
  if (!in.Dword(t.style) || !in.Dword(t.exStyle)) return std::nullopt;
  // An extended template starts with version 1 and the signature 0xFFFF.
  if ((t.style & 0xFFFF) == 1 && (t.style >> 16) == 0xFFFF) return std::nullopt;
  if (!in.Word(count) || !in.Short(t.x) || !in.Short(t.y) || !in.Short(t.cx) || !in.Short(t.cy) ||
      !in.NameOrOrdinal() || !in.NameOrOrdinal() || !in.Text(t.title)) {
    return std::nullopt;
  }
  t.controls = count;
  if (t.style & DS_SETFONT) {
    WORD points;
    if (!in.Word(points) || !in.Text(t.face)) return std::nullopt;
    t.pointSize = points;
  }
  return t;
}

RECT DialogRectInPixels(const DialogTemplate& t) {
  int points = t.pointSize ? t.pointSize : 8;
  int baseX = MulDivRounded(7, points, 8);
  int baseY = MulDivRounded(13, points, 8);
  int x = MulDivRounded(t.x, baseX, 4);
  int y = MulDivRounded(t.y, baseY, 8);
  return RECT{x, y, x + MulDivRounded(t.cx, baseX, 4), y + MulDivRounded(t.cy, baseY, 8)};
}

}  // namespace win32
