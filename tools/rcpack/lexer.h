// Splits a resource script into tokens: numbers, quoted strings, words and punctuation.
// Comments are skipped; the one preprocessor line understood is #pragma code_page(1252).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rcpack {

struct Token {
  enum Kind { kEnd, kNumber, kString, kWord, kPunct } kind = kEnd;
  uint32_t number = 0;  // kNumber
  std::u16string text;  // kString: the characters, already out of the code page
  std::string word;     // kWord (as written) and kPunct (one character)
  int line = 0;
};

class Lexer {
 public:
  Lexer(std::string_view source, std::string fileName);

  Token next();
  // Throws ScriptError naming the file and `line`.
  [[noreturn]] void fail(int line, const std::string& message) const;

 private:
  void skipSpaceAndComments();
  void directive();
  Token number();
  Token quoted();

  std::string_view source_;
  std::string fileName_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool lineStart_ = true;
};

}  // namespace rcpack
