// A syntax check of JSON text, so that lines the program writes itself keep the log readable
// line by line.
#include <cctype>

#include "event_log.h"

namespace win32 {
namespace {

class Checker {
 public:
  explicit Checker(const std::string& text) : s_(text) {}

  bool Document() {
    Blanks();
    if (!Value(0)) return false;
    Blanks();
    return i_ == s_.size();
  }

 private:
  static constexpr int kMaxDepth = 64;

  bool Value(int depth) {
    if (depth > kMaxDepth || i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') return Container(depth, '}', true);
    if (c == '[') return Container(depth, ']', false);
    if (c == '"') return String();
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return Number();
    for (const char* word : {"true", "false", "null"}) {
      if (s_.compare(i_, std::char_traits<char>::length(word), word) == 0) {
        i_ += std::char_traits<char>::length(word);
        return true;
      }
    }
    return false;
  }

  bool Container(int depth, char close, bool object) {
    ++i_;
    Blanks();
    if (Take(close)) return true;
    while (true) {
      Blanks();
      if (object) {
        if (i_ >= s_.size() || s_[i_] != '"' || !String()) return false;
        Blanks();
        if (!Take(':')) return false;
        Blanks();
      }
      if (!Value(depth + 1)) return false;
      Blanks();
      if (Take(close)) return true;
      if (!Take(',')) return false;
    }
  }

  bool String() {
    ++i_;
    while (i_ < s_.size()) {
      unsigned char c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (i_ >= s_.size()) return false;
        char e = s_[i_++];
        if (e == 'u') {
          for (int k = 0; k < 4; ++k, ++i_) {
            if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_]))) return false;
          }
        } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
          return false;
        }
      }
    }
    return false;
  }

  bool Number() {
    Take('-');
    if (Take('0')) {
    } else if (!Digits()) {
      return false;
    }
    if (Take('.') && !Digits()) return false;
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    return true;
  }

  bool Digits() {
    size_t start = i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    return i_ > start;
  }

  void Blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }

  bool Take(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  const std::string& s_;
  size_t i_ = 0;
};

}  // namespace

bool IsJson(const std::string& text) { return Checker(text).Document(); }

}  // namespace win32
